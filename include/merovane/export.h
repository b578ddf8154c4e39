// Marks what libmerovane exports; everything else in the library stays hidden.
#pragma once

#if defined(MEROVANE_BUILDING_LIBRARY)
#define MEROVANE_EXPORT __attribute__((visibility("default")))
#else
#define MEROVANE_EXPORT
#endif
