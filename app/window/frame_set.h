#pragma once

#include <vector>

#include "app/window/element.h"

namespace vclock {

// The hidden picture elements of one name, by member index. They only
// hold pictures; a display element shows a member by sharing its picture.
class FrameSet {
public:
    FrameSet() = default;
    explicit FrameSet(std::vector<Element*> members) : members_(std::move(members)) {}

    int size() const { return static_cast<int>(members_.size()); }
    Element& operator[](int index) const { return *members_.at(static_cast<std::size_t>(index)); }
    const PictureHandle& picture(int index) const { return (*this)[index].picture(); }

private:
    std::vector<Element*> members_;
};

}  // namespace vclock
