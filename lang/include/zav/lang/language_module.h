#pragma once
// A loaded language module and its clsResources object.
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "zav/lang/kvo_lang_abi.h"
#include "zav/platform/shared_library.h"

namespace zav::lang {

class LanguageModule {
  public:
    // Loads the library at path and creates its object named identifier
    // ("kvo_lang_<code>.clsResources"). Null when the library does not load,
    // has no entry point (it is not a language module) or no usable object
    // of that name; *why then says which.
    static std::unique_ptr<LanguageModule> create(const QString& path, const QString& identifier,
                                                  QString* why = nullptr);
    // Releases the object, then the library.
    ~LanguageModule();
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // The text numbered id as the module stores it. Nothing when the module
    // raises: it holds no such number, or hands back no text or one longer
    // than KVO_LANG_MAX_TEXT_BYTES.
    std::optional<QString> resourceString(std::int32_t id) const;
    // The module's language name ("English", ...); empty when it gives none.
    QString language() const;

  private:
    LanguageModule(platform::SharedLibrary library, kvo_lang_resources* object);

    platform::SharedLibrary library_;  // outlives object_
    kvo_lang_resources* object_;
};

}  // namespace zav::lang
