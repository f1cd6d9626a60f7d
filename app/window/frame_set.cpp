#include "app/window/frame_set.h"

namespace vclock {

FrameSet::FrameSet(std::vector<Element*> members) : members_(std::move(members)) {
    auto toNext = std::make_shared<std::vector<std::vector<Rect>>>();
    for (int i = 0; i < size(); ++i) {
        const PictureHandle& from = picture(i);
        const PictureHandle& to = picture((i + 1) % size());
        toNext->push_back(from && to ? differingAreas(*from, *to) : std::vector<Rect>{});
    }
    toNext_ = std::move(toNext);
}

void FrameSet::show(Element& display, int index) const {
    const PictureHandle& next = picture(index);
    const int before = (index + size() - 1) % size();
    const int after = (index + 1) % size();
    if (next && display.picture() != next) {
        // Two pictures differ in the same pixels whichever is shown first.
        if (display.picture() == picture(before)) {
            display.setPicture(next, (*toNext_)[static_cast<std::size_t>(before)]);
            return;
        }
        if (display.picture() == picture(after)) {
            display.setPicture(next, (*toNext_)[static_cast<std::size_t>(index)]);
            return;
        }
    }
    display.setPicture(next);
}

}  // namespace vclock
