#pragma once

#include <memory>
#include <vector>

#include "app/window/element.h"

namespace vclock {

// The hidden picture elements of one name, by member index. They only
// hold pictures; a display element shows a member by sharing its picture.
class FrameSet {
public:
    FrameSet() = default;
    // Finds where each member's picture differs from the next one's (the
    // last's from the first's), once: the pictures are set before the set
    // is made and never change.
    explicit FrameSet(std::vector<Element*> members);

    int size() const { return static_cast<int>(members_.size()); }
    Element& operator[](int index) const { return *members_.at(static_cast<std::size_t>(index)); }
    const PictureHandle& picture(int index) const { return (*this)[index].picture(); }

    // Shows member `index` in `display` by sharing its picture. Where the
    // display shows the member before or after it (the sets step through
    // their members in turn), only the pixels in which the two differ are
    // repainted; after any other picture, all of it.
    void show(Element& display, int index) const;

private:
    std::vector<Element*> members_;
    // Where member i and member i + 1 (the last and the first) differ;
    // shared by copies.
    std::shared_ptr<const std::vector<std::vector<Rect>>> toNext_;
};

}  // namespace vclock
