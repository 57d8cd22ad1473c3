// A shared library that is not a language module: it lacks the entry point.
extern "C" __attribute__((visibility("default"))) int kvo_lang_answer() {
    return 42;
}
