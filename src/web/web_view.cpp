#include "web_view.h"

#include "look.h"
#include "text.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

using form::Control;

// The page's elements, reached by the names of the form's table, and the page's own script.
EM_JS(char*, page_value, (const char* id), {
    var text = document.getElementById(UTF8ToString(id)).value;
    var size = lengthBytesUTF8(text) + 1;
    var copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, page_set_value, (const char* id, const char* text),
      { document.getElementById(UTF8ToString(id)).value = UTF8ToString(text); });
EM_JS(int, page_max_length, (const char* id), { return document.getElementById(UTF8ToString(id)).maxLength; });
EM_JS(void, page_set_max_length, (const char* id, int characters),
      { document.getElementById(UTF8ToString(id)).maxLength = characters; });
EM_JS(void, page_enable, (const char* id), { document.getElementById(UTF8ToString(id)).disabled = false; });
EM_JS(int, page_checked, (const char* id), { return document.getElementById(UTF8ToString(id)).checked; });
EM_JS(void, page_set_panel, (int index, const char* text), { taktzeit.setPanel(index, UTF8ToString(text)); });
EM_JS(void, page_set_title, (const char* text), { document.title = UTF8ToString(text); });
EM_JS(void, page_show_message, (const char* title, const char* text, const char* icon),
      { taktzeit.showMessage(UTF8ToString(title), UTF8ToString(text), UTF8ToString(icon)); });
EM_JS(void, page_schedule_tick, (int delay), { taktzeit.scheduleTick(delay); });
EM_JS(void, page_take_over, (), { taktzeit.takeOver(); });
EM_JS(void, page_close, (), { taktzeit.close(); });

namespace {

form::Form* current = nullptr;

std::string idOf(Control control)
{
    return std::string(form::layoutOf(control).name);
}

std::string utf8(std::u16string_view text)
{
    return core::toUtf8(text);
}

}  // namespace

// The page holds the form already, written when it was built; the view takes it over as it stands, with what
// the user typed and clicked meanwhile.
WebView::WebView(form::Desktop& desktop)
    : form(*this, desktop)
{
    current = &form;
    form.load();
    page_take_over();
}

WebView::~WebView()
{
    current = nullptr;
    page_close();
}

form::Form* WebView::currentForm()
{
    return current;
}

std::u16string WebView::text(Control field) const
{
    const std::unique_ptr<char, decltype(&std::free)> value(page_value(idOf(field).c_str()), &std::free);
    return core::fromUtf8(value.get());
}

void WebView::setText(Control field, std::u16string_view text)
{
    const int limit = page_max_length(idOf(field).c_str());
    page_set_value(idOf(field).c_str(),
                   utf8(limit >= 0 ? text.substr(0, static_cast<std::size_t>(limit)) : text).c_str());
}

void WebView::setLimit(Control field, std::size_t characters)
{
    page_set_max_length(idOf(field).c_str(), static_cast<int>(std::min<std::size_t>(characters, 1u << 30)));
}

void WebView::enableCopy()
{
    page_enable(idOf(Control::CopyButton).c_str());
}

core::MonthLanguage WebView::monthLanguage() const
{
    return page_checked(idOf(Control::GermanMonthsOption).c_str()) ? core::MonthLanguage::German
                                                                   : core::MonthLanguage::English;
}

void WebView::setPanelText(form::StatusPanel panel, std::u16string_view text)
{
    const auto position = std::find(form::kStatusPanels.begin(), form::kStatusPanels.end(), panel);
    page_set_panel(static_cast<int>(position - form::kStatusPanels.begin()), utf8(text).c_str());
}

void WebView::setCaption(std::u16string_view caption)
{
    page_set_title(utf8(caption).c_str());
}

// A dialog in the page, modal, that returns at once: the form does nothing after a message.
void WebView::showMessage(std::u16string_view text, form::MessageIcon icon)
{
    page_show_message(utf8(form::kTitle).c_str(), utf8(text).c_str(),
                      icon == form::MessageIcon::Critical ? "critical" : "information");
}

void WebView::scheduleTick(std::chrono::milliseconds delay)
{
    page_schedule_tick(static_cast<int>(delay.count()));
}

// The page's events, which its script hands to the form of the view on the page.
extern "C" {

EMSCRIPTEN_KEEPALIVE void taktzeit_click(int control)
{
    if (form::Form* form = WebView::currentForm())
        form->click(static_cast<Control>(control));
}

EMSCRIPTEN_KEEPALIVE void taktzeit_tactical_input_changed()
{
    if (form::Form* form = WebView::currentForm())
        form->tacticalInputChanged();
}

EMSCRIPTEN_KEEPALIVE void taktzeit_tick()
{
    if (form::Form* form = WebView::currentForm())
        form->tick();
}

// Browsers slow the timers of a hidden page: once it shows again, the status bar catches up at once.
EMSCRIPTEN_KEEPALIVE void taktzeit_hidden(int isHidden)
{
    if (form::Form* form = WebView::currentForm()) {
        form->windowStateChanged(isHidden != 0);
        if (!isHidden)
            form->tick();
    }
}

// Face and text colour in, each as red, green and blue; the lit link's colour out, as 0xRRGGBB.
EMSCRIPTEN_KEEPALIVE int taktzeit_lit_link_colour(int faceRed, int faceGreen, int faceBlue, int textRed, int textGreen,
                                                  int textBlue)
{
    const auto colour = [](int red, int green, int blue) {
        return form::Colour{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                            static_cast<std::uint8_t>(blue)};
    };
    const form::Colour lit =
        form::litLinkColour(colour(faceRed, faceGreen, faceBlue), colour(textRed, textGreen, textBlue));
    return lit.red << 16 | lit.green << 8 | lit.blue;
}

}  // extern "C"
