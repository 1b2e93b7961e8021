#include "app/FontWarmUp.h"

#include <dlfcn.h>
#include <system_error>

FontWarmUp::FontWarmUp()
{
    // Qt's GUI library brings fontconfig with it; when it does not (another font backend),
    // there is nothing to read ahead.
    using FcInitFunction = int (*)();
    auto* init = reinterpret_cast<FcInitFunction>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init)
        return;
    try {
        thread_ = std::thread([init] { init(); });
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the settings itself when the first window needs them.
    }
}

FontWarmUp::~FontWarmUp()
{
    Wait();
}

void FontWarmUp::Wait()
{
    if (thread_.joinable())
        thread_.join();
}
