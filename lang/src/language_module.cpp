#include "zav/lang/language_module.h"

#include <QFile>
#include <cstring>

namespace zav::lang {
namespace {

// The module's text, or nothing when it is missing or longer than the
// interface allows (the module may be anybody's file).
std::optional<QString> boundedText(const char* text) {
    if (!text) return std::nullopt;
    const std::size_t length = ::strnlen(text, KVO_LANG_MAX_TEXT_BYTES + 1);
    if (length > KVO_LANG_MAX_TEXT_BYTES) return std::nullopt;
    return QString::fromUtf8(text, static_cast<qsizetype>(length));
}

bool isUsable(const kvo_lang_resources* object) {
    const kvo_lang_resources_functions* f = object->functions;
    return f && f->abi_version == KVO_LANG_ABI_VERSION && f->GetResourceString && f->Language &&
           f->Release;
}

}  // namespace

std::unique_ptr<LanguageModule> LanguageModule::create(const QString& path,
                                                       const QString& identifier, QString* why) {
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return nullptr;
    };
    platform::SharedLibrary library;
    if (!library.load(QFile::encodeName(path).toStdString())) {
        return fail(QString::fromStdString(library.error()));
    }
    const auto createObject =
        reinterpret_cast<kvo_lang_create_object_fn>(library.symbol(KVO_LANG_ENTRY_POINT));
    if (!createObject) return fail(path + QStringLiteral(" is not a language module"));
    kvo_lang_resources* object = createObject(identifier.toUtf8().constData());
    if (!object) return fail(path + QStringLiteral(" has no object ") + identifier);
    if (!isUsable(object)) {
        // Without a known layout even its release function cannot be trusted.
        return fail(path + QStringLiteral(" has an unknown interface version"));
    }
    return std::unique_ptr<LanguageModule>(new LanguageModule(std::move(library), object));
}

LanguageModule::LanguageModule(platform::SharedLibrary library, kvo_lang_resources* object)
    : library_(std::move(library)), object_(object) {}

LanguageModule::~LanguageModule() {
    object_->functions->Release(object_);
}

std::optional<QString> LanguageModule::resourceString(std::int32_t id) const {
    std::int32_t number = id;
    const char* text = nullptr;
    if (object_->functions->GetResourceString(object_, &number, &text) != KVO_LANG_OK) {
        return std::nullopt;
    }
    return boundedText(text);
}

QString LanguageModule::language() const {
    return boundedText(object_->functions->Language(object_)).value_or(QString());
}

}  // namespace zav::lang
