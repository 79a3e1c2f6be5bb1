// The signals a failed write raises: a pipe whose reader went away
// (SIGPIPE) and a file grown to the size limit (SIGXFSZ). Either one would
// end the whole front-end, and with it a file transfer half written.
#pragma once

namespace kelvarin {

// From now on such a write only fails (EPIPE, EFBIG), so that the writer's
// own error path tells the user and takes back what it wrote. The signals
// are caught, not ignored: a program the front-end starts gets them back
// with their usual effect.
void TurnWriteSignalsIntoErrors();

}  // namespace kelvarin
