#include "alarm/date_tooltip.h"

#include "app/text/date_text.h"

namespace vclock {

void DateTooltip::imgalarmdisplay_MouseMove() {
    const RegionalForms& forms = clock_.regionalForms();
    imgalarmdisplay_.setToolTip(mediumDate(clock_.currentDate(), forms) + "  " +
                                dateToText(clock_.currentTime(), forms));
}

}  // namespace vclock
