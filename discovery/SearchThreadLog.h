#pragma once
// The step marker of the search threads' start-up, with the source line of
// the step, so that a log shows how far a failed start got. Used inside the
// member functions of the search-thread classes only.
#include "core/LogSystem.h"

#define SEARCH_LOG_STEP(funcName)                                                                     \
    LogSystem::WriteLog("SendThread %d : Create Search Device Work Thread [func: %s] * [line %d]", \
                        nPort.load(), (funcName), __LINE__)
