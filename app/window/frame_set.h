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
    // Finds where each two members' pictures differ, once: the pictures
    // are set before the set is made and never change.
    explicit FrameSet(std::vector<Element*> members);

    int size() const { return static_cast<int>(members_.size()); }
    Element& operator[](int index) const { return *members_.at(static_cast<std::size_t>(index)); }
    const PictureHandle& picture(int index) const { return (*this)[index].picture(); }

    // Shows member `index` in `display` by sharing its picture. Where the
    // display shows another member, only the pixels in which the two
    // differ are repainted.
    void show(Element& display, int index) const;

private:
    std::vector<Element*> members_;
    // Where members i and j differ, at i * size() + j; shared by copies.
    std::shared_ptr<const std::vector<std::vector<Rect>>> differences_;
};

}  // namespace vclock
