// The table of form cases against the page's view in a browser, over the fake desktop, driven through the
// page's elements with the DOM events a user's input sends. Prints each failure and "N passed, N failed",
// which tests/web/run_page.py reads from the page.
#include "form_cases.h"
#include "text.h"
#include "web_view.h"

#include <emscripten/val.h>

#include <memory>
#include <set>
#include <string>

using emscripten::val;
using namespace cases;

namespace {

val document()
{
    return val::global("document");
}

val element(Control control)
{
    return document().call<val>("getElementById", std::string(form::layoutOf(control).name));
}

void send(val target, const char* event)
{
    target.call<bool>("dispatchEvent", val::global("Event").new_(std::string(event), val::object()));
}

val panel(StatusPanel panel)
{
    return document().call<val>("getElementById", std::string("statusBar"))["children"][static_cast<int>(panel)];
}

class PageDriver final : public FormDriver {
public:
    void open(FakeDesktop& desktop) override { view = std::make_unique<WebView>(desktop); }
    void close() override { view.reset(); }
    // A read-only field takes no keys.
    void clear(Control field) override
    {
        if (!element(field)["readOnly"].as<bool>())
            element(field).set("value", std::string());
    }
    void fill(Control field, std::u16string_view text) override { edit(field, core::toUtf8(text)); }
    // The browser keeps a field to its limit.
    void typeMore(Control field, std::u16string_view text) override
    {
        if (element(field)["readOnly"].as<bool>())
            return;
        const int limit = element(field)["maxLength"].as<int>();
        const std::u16string value = this->text(field);
        const std::u16string typed = typedInto(value, text, limit < 0 ? std::u16string::npos : std::size_t(limit));
        if (typed != value)
            edit(field, core::toUtf8(typed));
    }
    void eraseLast(Control field) override
    {
        std::u16string value = core::fromUtf8(element(field)["value"].as<std::string>());
        if (!value.empty())
            value.pop_back();
        edit(field, core::toUtf8(value));
    }
    void click(Control control) override { element(control).call<void>("click"); }
    void tick() override
    {
        val page = val::global("taktzeit");
        val::global("clearTimeout")(page["tickTimer"]);
        page.set("tickDelay", -1);
        val::global("Module").call<void>("_taktzeit_tick");
    }
    void setMinimized(bool minimized) override
    {
        val hidden = val::object();
        hidden.set("value", minimized);
        hidden.set("configurable", true);
        val::global("Object").call<void>("defineProperty", document(), std::string("hidden"), hidden);
        send(document(), "visibilitychange");
    }
    void blankPanel(StatusPanel which) override { panel(which).set("textContent", std::string()); }

    std::u16string text(Control field) override { return core::fromUtf8(element(field)["value"].as<std::string>()); }
    bool isEnabled(Control control) override { return !element(control)["disabled"].as<bool>(); }
    bool isChecked(Control option) override { return element(option)["checked"].as<bool>(); }
    std::u16string panelText(StatusPanel which) override
    {
        return core::fromUtf8(panel(which)["textContent"].as<std::string>());
    }
    std::u16string caption() override { return core::fromUtf8(document()["title"].as<std::string>()); }
    int tickDelay() override { return val::global("taktzeit")["tickDelay"].as<int>(); }
    std::vector<ShownMessage> takeMessages() override
    {
        std::vector<ShownMessage> taken;
        const val dialogs = document().call<val>("querySelectorAll", std::string("dialog"));
        for (int i = 0; i < dialogs["length"].as<int>(); ++i) {
            const val dialog = dialogs[i];
            const auto textOf = [&](const char* part) {
                return core::fromUtf8(
                    dialog.call<val>("querySelector", std::string(part))["textContent"].as<std::string>());
            };
            taken.push_back(shownMessage(dialog.call<bool>("matches", std::string(":modal")), textOf("h2"), textOf("p"),
                                         dialog["className"].as<std::string>() == "critical"
                                             ? MessageIcon::Critical
                                             : MessageIcon::Information));
            dialog.call<void>("close");
            dialog.call<void>("remove");
        }
        return taken;
    }

private:
    // What the user's edit leaves in the field, announced as the browser announces it.
    void edit(Control field, const std::string& value)
    {
        element(field).set("value", value);
        send(element(field), "input");
    }

    std::unique_ptr<WebView> view;
};

// Cases of what the browser does itself, which the end-to-end test covers: it opens the link in a new tab and
// cannot fail to; a text field keeps no line break of a pasted text.
const std::set<std::string> kDoneByTheBrowser{
    "the link opens the web page",
    "a failing browser is reported once per click",
    "a long paste can be shortened but not lengthened",
};

}  // namespace

int main()
{
    Tally tally;
    for (const FormCase& formCase : formCases()) {
        if (kDoneByTheBrowser.count(formCase.name)) {
            tally.skip(formCase.name);
            continue;
        }
        PageDriver driver;
        tally.report(formCase.name, runCase(formCase, driver));
    }
    std::printf("%s\n", tally.summary().c_str());
    document()["body"]["dataset"].set("result", tally.summary());
}
