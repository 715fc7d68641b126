#pragma once

// Texts that widgets keep by their identifier: set once, and set again in the current language
// when it changes, for the windows that stay open across a change (the main window, the
// tournament windows and their pages).
class QWidget;

namespace kv {

// Shows the text of `id` (the built-in `text` without a language) on a label, button or group
// box, and remembers the identifier for ApplyTexts.
template <typename T> T* Texted(T* widget, int id, const char* text);
// Every remembered text below `root` (and of `root` itself) in the current language.
void ApplyTexts(QWidget* root);

void SetRememberedText(QWidget* widget, int id, const char* text);

template <typename T> T* Texted(T* widget, int id, const char* text) {
    SetRememberedText(widget, id, text);
    return widget;
}

} // namespace kv
