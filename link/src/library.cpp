#include "library.h"

namespace zav::link {

Library& Library::instance() {
    // Destroyed when the library is unloaded (or the process ends); the
    // port's destructor then stops the reader and closes the device.
    static Library library;
    return library;
}

}  // namespace zav::link
