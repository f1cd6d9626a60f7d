#include "app/lifecycle/date_tooltip.h"

#include "app/text/date_text.h"

namespace vclock {

void DateTooltip::imgalarmdisplay_MouseMove() {
    const RegionalForms& forms = runtime_.regionalForms();
    imgalarmdisplay_.setToolTip(mediumDate(runtime_.currentDate(), forms) + "  " +
                                dateToText(runtime_.currentTime(), forms));
}

}  // namespace vclock
