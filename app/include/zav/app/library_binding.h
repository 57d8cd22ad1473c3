#pragma once
// Binding one of the program's shared libraries by file and call name at
// first use. Anything that cannot be bound is replaced by a stand-in that
// fails, so a missing library or call is a clear message, never a crash.
#include <QString>
#include <QStringList>

#include "zav/platform/shared_library.h"

namespace zav::app {

class LibraryBinder {
  public:
    // Loads `fileName` from the program directory.
    explicit LibraryBinder(const char* fileName);

    // Points `slot` at the library's call `name`, or at `standIn` when the
    // library or the call is missing.
    template <typename Function>
    void bind(Function& slot, const char* name, Function standIn) {
        void* address = library_.is_loaded() ? library_.symbol(name) : nullptr;
        if (address) {
            slot = reinterpret_cast<Function>(address);
        } else {
            slot = standIn;
            if (library_.is_loaded()) missingCalls_ << QString::fromLatin1(name);
        }
    }

    // Reports what could not be bound (one critical message, nothing when all
    // is well) and hands over the library, which must stay loaded as long as
    // its calls are used.
    platform::SharedLibrary finish();

  private:
    QString fileName_;
    QString loadError_;
    QStringList missingCalls_;
    platform::SharedLibrary library_;
};

}  // namespace zav::app
