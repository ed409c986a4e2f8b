// What the platform library exports. Every layer is built with hidden visibility:
// only what its headers mark with the layer's macro is seen outside the library.
// A class is marked whole (its typeinfo and vtable go with it, so exceptions and
// dynamic_cast work across libraries); a function or variable one by one.
#pragma once

#define VRMWND_PLATFORM_API __attribute__((visibility("default")))
