// Symbols that libCvCommon exports.
#pragma once

#if defined(CVCOMMON_BUILDING)
#define CVCOMMON_API __attribute__((visibility("default")))
#else
#define CVCOMMON_API
#endif
