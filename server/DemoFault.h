#pragma once
#include <QString>

// A misbehaviour the demo server shows for one remote method, so that tests can exercise the
// client's error paths. Several effects may be combined; the delay always comes first.
struct DemoFault {
    int delayMs = 0;            // wait this long before answering
    QString errorMessage;       // non-empty: answer 500 {"error":errorMessage}
    bool malformedJson = false; // answer 200 with a body that is not valid JSON
    int streamSizeDelta = 0;    // announced stream size = bytes sent + this
    bool dropConnection = false; // send the headers and half the body, then close the socket
    int times = -1;             // how many calls it applies to; -1 = every call
};
