#include "monthoutput.h"

#include "appstate.h"
#include "busypointer.h"
#include "reportfile.h"
#include "txtopen.h"

#include <optional>

namespace zentak {

void runMonthOutput(const AppState &state, Platform &platform, int year, int month)
{
    std::optional<QString> written;
    {
        BusyPointer busy;
        written = writeMonthReport(state, platform, year, month);
    }
    // The pointer is back before a message or the editor shows.
    if (written)
        Txtopen(platform, state.messageTitle, *written);
}

} // namespace zentak
