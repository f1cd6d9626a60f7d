#include "app/pointer/butterfly_pointer.h"

#include <memory>

#include "app/files/program_folder.h"
#include "app/pointer/pointer_image.h"
#include "assets/decode/ico_decoder.h"

namespace vclock {

ButterflyPointer::ButterflyPointer(Storage& storage, Element& imgexit0) : storage_(storage), imgexit0_(imgexit0) {}

void ButterflyPointer::tmbuttfly_Timer() {
    const bool first = buttflyphase_ == 0;
    const auto bytes = storage_.readProgramFile(first ? program_folder::kWingsFile0 : program_folder::kWingsFile1);
    if (bytes) {
        auto icon = decodeIco(*bytes);
        if (icon && icon->best(kPointerSize)) imgexit0_.setMouseIcon(std::make_shared<const Icon>(std::move(*icon)));
    }
    if (!first) buttflyphase_ = -1;
    ++buttflyphase_;
}

}  // namespace vclock
