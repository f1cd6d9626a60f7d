// Paints every picture the clock carries and writes them, in their file
// formats, into the folder given as the only argument. The same program
// always writes the same bytes.

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "app/window/geometry.h"
#include "assets/main_window_layout.h"
#include "assets/pictures/embedded_pictures.h"
#include "tools/painter/file_writers.h"
#include "tools/painter/frames.h"
#include "tools/painter/icons.h"
#include "tools/painter/quantise.h"
#include "tools/painter/scene.h"

namespace {

using namespace painter;
namespace layout = vclock::main_layout;

using vclock::twipsToPixels;

const vclock::ElementSpec& element(const char* name) {
    for (const auto& e : layout::elements())
        if (std::strcmp(e.name, name) == 0) return e;
    throw std::runtime_error(std::string("no element ") + name);
}

Spot placeOf(const char* name) {
    const auto& e = element(name);
    return {twipsToPixels(e.left), twipsToPixels(e.top)};
}

class Writer {
public:
    explicit Writer(std::filesystem::path folder) : folder_(std::move(folder)) {}

    void write(const std::string& name, const Bytes& bytes, std::size_t expectedSize) const {
        if (bytes.size() != expectedSize)
            throw std::runtime_error(name + " came out at " + std::to_string(bytes.size()) + " bytes");
        std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + name);
    }

    template <std::size_t N>
    void writeSet(const std::string& stem, const std::array<Image, N>& frames, std::size_t expectedSize) const {
        for (std::size_t i = 0; i < N; ++i)
            write(vclock::embedded_pictures::memberFileName(stem, i, N), bitmap24(frames[i]), expectedSize);
    }

private:
    std::filesystem::path folder_;
};

void paintAll(const Writer& out) {
    const std::vector<Colour> painting = paintScene();
    const Palette palette = fitPalette(painting, 256);
    const std::vector<std::uint8_t> indices = mapDithered(painting, kSceneWidth, palette, 10);
    out.write("scene.bmp", bitmap8(kSceneWidth, kSceneHeight, indices, palette, 2), 481080);

    // Everything cut from the scene is cut from the colours it is stored in.
    Image scene(kSceneWidth, kSceneHeight);
    for (std::size_t i = 0; i < indices.size(); ++i) scene.pixels[i] = palette[indices[i]];

    std::array<Spot, 6> labels;
    for (std::size_t k = 0; k < labels.size(); ++k)
        labels[k] = {twipsToPixels(layout::kSecondsLabelPlaces[k].left),
                     twipsToPixels(layout::kSecondsLabelPlaces[k].top)};
    const auto& label = element("lblseconds");
    const Spot labelSize{twipsToPixels(label.width), twipsToPixels(label.height)};

    const auto exit = exitLooks(scene, placeOf("imgexit0"));
    out.write("exit_normal.bmp", bitmap24(exit[0]), 3414);
    out.write("exit_pressed.bmp", bitmap24(exit[1]), 3414);
    out.writeSet("hour", hourFrames(), 47054);
    out.writeSet("smoke", smokeFrames(), 954);
    out.writeSet("door", doorFrames(scene, placeOf("imgalarmdisplay")), 37078);
    out.writeSet("second", secondFrames(scene, placeOf("imgseconddisplay"), labels, labelSize), 53910);
    out.write("window.ico", windowIconFile(), 1078);
    out.write("menu_icon.svg", menuIconFile(), 2589);
    out.write("butterfly.ico", butterflyIconFile(), 10134);
    out.write("emblem.ico", emblemIconFile(), 2238);
    out.write("buttfly01.ico", butterflyFrameFile(true), 3638);
    out.write("buttfly00.ico", butterflyFrameFile(false), 3638);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: painter <output folder>\n";
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        paintAll(Writer(argv[1]));
    } catch (const std::exception& e) {
        std::cerr << "painter: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
