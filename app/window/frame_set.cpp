#include "app/window/frame_set.h"

namespace vclock {

FrameSet::FrameSet(std::vector<Element*> members) : members_(std::move(members)) {
    auto differences = std::make_shared<std::vector<std::vector<Rect>>>();
    differences->reserve(members_.size() * members_.size());
    for (const Element* from : members_) {
        for (const Element* to : members_) {
            const bool both = from->picture() && to->picture();
            differences->push_back(both ? differingAreas(*from->picture(), *to->picture()) : std::vector<Rect>{});
        }
    }
    differences_ = std::move(differences);
}

void FrameSet::show(Element& display, int index) const {
    const PictureHandle& next = picture(index);
    for (int shown = 0; shown < size(); ++shown) {
        if (picture(shown) != display.picture() || !next) continue;
        display.setPicture(next, (*differences_)[static_cast<std::size_t>(shown * size() + index)]);
        return;
    }
    display.setPicture(next);
}

}  // namespace vclock
