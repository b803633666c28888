// Symbols that libProfileKit exports; the project builds with hidden visibility.
#pragma once

#include <QtGlobal>

#if defined(PROFILEKIT_BUILDING)
#define PROFILEKIT_EXPORT Q_DECL_EXPORT
#else
#define PROFILEKIT_EXPORT Q_DECL_IMPORT
#endif
