// Qt ends a program that cannot open its display (or load its platform) with
// an abort and several lines of advice. While the application object is made,
// this guard holds Qt's messages back; a fatal one ends the program with one
// line on standard error saying why, and exit status 1. Messages of a start
// that succeeds are passed on unchanged.
#pragma once

namespace velmor {

class StartFailureGuard {
public:
    StartFailureGuard();
    ~StartFailureGuard();
    StartFailureGuard(const StartFailureGuard&) = delete;
    StartFailureGuard& operator=(const StartFailureGuard&) = delete;
};

}  // namespace velmor
