// Writes the page at build time: the page's template with the form's markup and styles put in, made from the
// form's table, so that the browser paints the form before the module has even been compiled.
// Usage: page_markup TEMPLATE PAGE LOGO_DATA_URL (run under node, with the real file system).
#include "layout.h"
#include "look.h"
#include "text.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

using form::Control;
using form::ControlLayout;

namespace {

std::string escaped(std::u16string_view text)
{
    std::string out;
    for (char c : core::toUtf8(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string attribute(std::string_view name, std::u16string_view value)
{
    return value.empty() ? std::string() : ' ' + std::string(name) + "=\"" + escaped(value) + '"';
}

std::string idOf(Control control)
{
    return std::string(form::layoutOf(control).name);
}

// What assistive technology says of the control: its name, then what it says after it.
std::string spoken(const ControlLayout& row)
{
    return attribute("aria-label", form::accessibleName(row))
        + attribute("aria-description", form::accessibleDescription(row));
}

// One control as an element; a frame holds the controls that stand in it, in the order they are read.
std::string element(const ControlLayout& row, const std::string& logo)
{
    const std::string id = " id=\"" + std::string(row.name) + '"';
    const std::string caption = escaped(row.caption);
    const std::string font = form::takesLabelFont(row.kind) ? " class=\"label\"" : "";
    switch (form::roleOf(row)) {
    case form::Role::Grouping: {
        std::string inside;
        for (Control control : form::kReadingOrder) {
            if (form::frameAround(form::layoutOf(control)) == row.control)
                inside += element(form::layoutOf(control), logo);
        }
        const std::string legend =
            caption.empty() ? "" : "<span class=\"legend\" aria-hidden=\"true\">" + caption + "</span>";
        return "<div" + id + " class=\"frame\" role=\"group\"" + spoken(row) + '>' + legend + inside + "</div>\n";
    }
    case form::Role::PushButton:
        return "<button type=\"button\"" + id + " data-control=\"" + std::to_string(static_cast<int>(row.control)) + '"'
            + (row.settings & form::kDisabled ? " disabled" : "")
            + (row.control == form::kFirstFocus ? " autofocus" : "") + spoken(row) + '>' + caption + "</button>\n";
    case form::Role::EditableText:
    case form::Role::ReadOnlyText:
        // A phone offers its number pad for the time ("1638" is read), its letters for the rest.
        return "<input type=\"text\"" + id + (row.settings & form::kReadOnly ? " readonly" : "")
            + " autocomplete=\"off\" spellcheck=\"false\" inputmode=\""
            + (row.control == Control::TimeInput ? "numeric" : "text") + '"' + attribute("title", row.hint)
            + (row.typingLimit ? " maxlength=\"" + std::to_string(row.typingLimit) + '"' : "") + spoken(row) + ">\n";
    case form::Role::StaticText:
        return "<label" + id + font + " for=\"" + idOf(row.labelled) + '"' + spoken(row) + '>' + caption + "</label>\n";
    case form::Role::RadioButton:
        return "<label class=\"option\" id=\"" + std::string(row.name) + "Box\"><input type=\"radio\" name=\"months\""
            + id + (row.settings & form::kSelected ? " checked" : "") + spoken(row) + '>' + caption + "</label>\n";
    case form::Role::Link:
        return "<a" + id + font + " href=\"" + escaped(form::kWebScheme) + escaped(form::kWebAddress)
            + "\" target=\"_blank\" rel=\"noopener\"" + spoken(row) + '>' + caption + "</a>\n";
    case form::Role::Graphic:
        // A picture is a keyboard stop of its own, as in the windows.
        return "<img" + id + " src=\"" + logo + "\" tabindex=\"0\" alt=\"" + escaped(form::accessibleName(row)) + '"'
            + spoken(row) + ">\n";
    case form::Role::StatusBar: {
        std::string panels;
        for (std::size_t panel = 0; panel < form::kStatusPanels.size(); ++panel)
            panels += "<span></span>";
        return "<div" + id + " role=\"status\"" + spoken(row) + '>' + panels + "</div>\n";
    }
    }
    return {};
}

std::string markup(const std::string& logo)
{
    std::string out;
    for (Control control : form::kReadingOrder) {
        if (form::frameAround(form::layoutOf(control)) == Control::Window)
            out += element(form::layoutOf(control), logo);
    }
    return out;
}

std::string px(int pixels)
{
    return std::to_string(pixels) + "px";
}

// The designed window: its size, its faces and fonts, and each control's place within its frame in CSS pixels,
// the control made first on top.
std::string styles()
{
    std::string faces;
    for (std::string_view face : form::kArialMetricFaces)
        faces += '"' + std::string(face) + "\", ";
    std::string out = "body { font: " + std::to_string(form::kStandardFontPoints) + "pt " + faces + "sans-serif; }\n"
        + "  #window { width: " + px(form::pixels(form::kClientWidth))
        + "; height: " + px(form::pixels(form::kClientHeight))
        + "; }\n"
        // The labels' and the link's larger font, which the markup gives them as the class "label".
        + "  .label { font-size: " + std::to_string(form::kLabelFontPoints) + "pt; }\n"
        + "  #statusBar span { width: " + px(form::pixels(form::kStatusPanelWidth)) + "; }\n";
    const auto& made = form::makingOrder();
    for (const ControlLayout* row : made) {
        const Control frame = form::frameAround(*row);
        form::PixelRect place = form::pixelPlace(*row, form::Origin::Window);
        if (frame != Control::Window) {
            const form::PixelRect around = form::pixelPlace(form::layoutOf(frame), form::Origin::Window);
            place.left -= around.left;
            place.top -= around.top;
        }
        const std::string selector = std::string(row->name) + (row->kind == form::ControlKind::Option ? "Box" : "");
        out += "  #" + selector + " { left: " + px(place.left) + "; top: " + px(place.top)
            + "; width: " + px(place.width) + "; height: " + px(place.height)
            + "; z-index: " + std::to_string(made.end() - std::find(made.begin(), made.end(), row)) + "; }\n";
    }
    return out;
}

// Every place the template marks.
void replace(std::string& text, std::string_view marker, const std::string& by)
{
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + by.size()))
        text.replace(at, marker.size(), by);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("Aufruf: page_markup VORLAGE SEITE LOGO\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    std::string text = page.str();
    replace(text, "%TITLE%", escaped(form::kTitle));
    replace(text, "%FORM_STYLES%", styles());
    // Narrower than the window, the page lays the form out for a phone.
    replace(text, "%NARROW_WIDTH%", px(form::pixels(form::kClientWidth) - 1));
    replace(text, "%FORM_MARKUP%", markup(argv[3]));
    std::ofstream out(argv[2], std::ios::binary);
    out << text;
    return out ? 0 : 1;
}
