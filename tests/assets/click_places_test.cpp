// The places where the real-window tests point and click, read from the
// shell file the tests source, lie on the elements they are meant for in
// the main window's layout table, whether the door is open or closed and
// before or after the exit control grows.

#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/window/geometry.h"
#include "assets/main_window_layout.h"

namespace vclock {
namespace {

// NAME=VALUE words of the file, comments left out.
std::map<std::string, int> readPlaces() {
    std::ifstream file(VCLOCK_CLICK_PLACES);
    std::map<std::string, int> places;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string word;
        while (words >> word) {
            const auto equals = word.find('=');
            if (equals != std::string::npos)
                places[word.substr(0, equals)] = std::stoi(word.substr(equals + 1));
        }
    }
    return places;
}

struct FaceState {
    bool doorOpen;
    bool exitGrown;
};

// The name of the top-most shown element under the pixel, or "" for the
// bare background.
std::string elementAt(int x, int y, FaceState state) {
    for (const auto& e : main_layout::elements()) {
        const bool field = std::strcmp(e.name, "txtalarm") == 0;
        const bool exit = std::strcmp(e.name, "imgexit0") == 0;
        if (!(e.visible || (field && state.doorOpen)))
            continue;
        const int width = exit && state.exitGrown ? main_layout::kExitActiveWidth : e.width;
        const int height = exit && state.exitGrown ? main_layout::kExitActiveHeight : e.height;
        const int tx = pixelsToTwips(x);
        const int ty = pixelsToTwips(y);
        if (tx >= e.left && tx < e.left + width && ty >= e.top && ty < e.top + height)
            return e.name;
    }
    return "";
}

TEST(ClickPlaces, EachPlaceLiesOnItsElementInEveryStateOfTheFace) {
    const auto places = readPlaces();
    struct Row {
        const char* place;
        const char* element;
        bool needsOpenDoor;
    };
    const Row rows[] = {
        {"door", "imgalarmdisplay", false},
        {"field", "txtalarm", true},
        {"background", "", false},
        {"exit", "imgexit0", false},
    };
    for (const auto& row : rows) {
        const std::string name = row.place;
        ASSERT_TRUE(places.count(name + "_x") && places.count(name + "_y")) << name << " is not in the file";
        const int x = places.at(name + "_x");
        const int y = places.at(name + "_y");
        for (const bool doorOpen : {false, true}) {
            if (row.needsOpenDoor && !doorOpen)
                continue;
            for (const bool exitGrown : {false, true})
                EXPECT_EQ(elementAt(x, y, {doorOpen, exitGrown}), row.element)
                    << name << " at " << x << "," << y << (doorOpen ? ", door open" : ", door closed")
                    << (exitGrown ? ", exit grown" : ", exit as loaded");
        }
    }
}

}  // namespace
}  // namespace vclock
