#include "web_view.h"

#include "look.h"
#include "text.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <string>

using emscripten::val;
using form::Control;

namespace {

form::Form* current = nullptr;

val page()
{
    return val::global("taktzeit");
}

val element(Control control)
{
    return val::global("document").call<val>("getElementById", std::string(form::layoutOf(control).name));
}

std::string utf8(std::u16string_view text)
{
    return core::toUtf8(text);
}

const char* roleName(form::Role role)
{
    switch (role) {
    case form::Role::PushButton: return "button";
    case form::Role::RadioButton: return "radio";
    case form::Role::EditableText: return "textbox";
    case form::Role::ReadOnlyText: return "readonly";
    case form::Role::StaticText: return "label";
    case form::Role::Grouping: return "group";
    case form::Role::Link: return "link";
    case form::Role::Graphic: return "img";
    case form::Role::StatusBar: return "status";
    }
    return "label";
}

// Each control as the page makes it, in the order it is read: the frame it stands in and where it lies there in
// CSS pixels, what it is and says, and whether the keyboard stops on it.
void createControls()
{
    const auto& made = form::makingOrder();
    for (const Control reading : form::kReadingOrder) {
        const form::ControlLayout& row = form::layoutOf(reading);
        const Control frame = form::frameAround(row);
        val control = val::object();
        control.set("name", std::string(row.name));
        control.set("container", frame == Control::Window ? std::string() : std::string(form::layoutOf(frame).name));
        control.set("role", std::string(roleName(form::roleOf(row))));
        control.set("caption", utf8(row.caption));
        form::PixelRect place = form::pixelPlace(row, form::Origin::Window);
        if (frame != Control::Window) {
            const form::PixelRect around = form::pixelPlace(form::layoutOf(frame), form::Origin::Window);
            place.left -= around.left;
            place.top -= around.top;
        }
        control.set("left", place.left);
        control.set("top", place.top);
        control.set("width", place.width);
        control.set("height", place.height);
        // The control made first lies on top.
        control.set("layer", static_cast<int>(made.end() - std::find(made.begin(), made.end(), &row)));
        control.set("labelFont", form::takesLabelFont(row.kind));
        control.set("disabled", (row.settings & form::kDisabled) != 0);
        control.set("checked", (row.settings & form::kSelected) != 0);
        control.set("hint", utf8(row.hint));
        control.set("accessibleName", utf8(form::accessibleName(row)));
        control.set("description", utf8(form::accessibleDescription(row)));
        control.set("labelled",
                    row.labelled == Control::None ? std::string() : std::string(form::layoutOf(row.labelled).name));
        control.set("tabStop",
                    std::find(form::kTabOrder.begin(), form::kTabOrder.end(), row.control) != form::kTabOrder.end());
        control.set("id", static_cast<int>(row.control));
        page().call<void>("createControl", control);
    }
    page().call<void>("createStatusPanels", static_cast<int>(form::kStatusPanels.size()),
                      form::pixels(form::kStatusPanelWidth));
}

}  // namespace

WebView::WebView(form::Desktop& desktop)
    : form(*this, desktop)
{
    std::string faces;
    for (std::string_view face : form::kArialMetricFaces)
        faces += '"' + std::string(face) + "\", ";
    page().call<void>("open", utf8(form::kTitle), utf8(form::kWebScheme) + utf8(form::kWebAddress),
                      faces + "sans-serif");
    createControls();
    val::global("lightLink")();
    current = &form;
    form.load();
    element(form::kFirstFocus).call<void>("focus");
}

WebView::~WebView()
{
    current = nullptr;
    page().call<void>("close");
}

form::Form* WebView::currentForm()
{
    return current;
}

std::u16string WebView::text(Control field) const
{
    return core::fromUtf8(element(field)["value"].as<std::string>());
}

void WebView::setText(Control field, std::u16string_view text)
{
    val box = element(field);
    const int limit = box["maxLength"].as<int>();
    box.set("value", utf8(limit >= 0 ? text.substr(0, static_cast<std::size_t>(limit)) : text));
}

void WebView::setLimit(Control field, std::size_t characters)
{
    element(field).set("maxLength", static_cast<int>(std::min<std::size_t>(characters, 1u << 30)));
}

void WebView::enableCopy()
{
    element(Control::CopyButton).set("disabled", false);
}

core::MonthLanguage WebView::monthLanguage() const
{
    return element(Control::GermanMonthsOption)["checked"].as<bool>() ? core::MonthLanguage::German
                                                                      : core::MonthLanguage::English;
}

void WebView::setPanelText(form::StatusPanel panel, std::u16string_view text)
{
    const auto position = std::find(form::kStatusPanels.begin(), form::kStatusPanels.end(), panel);
    page().call<void>("setPanel", static_cast<int>(position - form::kStatusPanels.begin()), utf8(text));
}

void WebView::setCaption(std::u16string_view caption)
{
    val::global("document").set("title", utf8(caption));
}

// A dialog in the page, modal, that returns at once: the form does nothing after a message.
void WebView::showMessage(std::u16string_view text, form::MessageIcon icon)
{
    page().call<void>("showMessage", utf8(form::kTitle), utf8(text),
                      std::string(icon == form::MessageIcon::Critical ? "critical" : "information"));
}

void WebView::scheduleTick(std::chrono::milliseconds delay)
{
    page().call<void>("scheduleTick", static_cast<int>(delay.count()));
}

namespace {

void click(int control)
{
    if (form::Form* form = WebView::currentForm())
        form->click(static_cast<Control>(control));
}

void tacticalInputChanged()
{
    if (form::Form* form = WebView::currentForm())
        form->tacticalInputChanged();
}

void tick()
{
    if (form::Form* form = WebView::currentForm())
        form->tick();
}

// Browsers slow the timers of a hidden page: once it shows again, the status bar catches up at once.
void hidden(bool isHidden)
{
    if (form::Form* form = WebView::currentForm()) {
        form->windowStateChanged(isHidden);
        if (!isHidden)
            form->tick();
    }
}

// Face and text colour in, the lit link's colour out, each as red, green and blue.
val litLinkColour(val colours)
{
    const auto channel = [&](int index) { return static_cast<std::uint8_t>(colours[index].as<int>()); };
    const form::Colour lit = form::litLinkColour(form::Colour{channel(0), channel(1), channel(2)},
                                                 form::Colour{channel(3), channel(4), channel(5)});
    val rgb = val::array();
    for (int value : {lit.red, lit.green, lit.blue})
        rgb.call<void>("push", value);
    return rgb;
}

}  // namespace

EMSCRIPTEN_BINDINGS(page_events)
{
    emscripten::function("click", &click);
    emscripten::function("tacticalInputChanged", &tacticalInputChanged);
    emscripten::function("tick", &tick);
    emscripten::function("hidden", &hidden);
    emscripten::function("litLinkColour", &litLinkColour);
}
