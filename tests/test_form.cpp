#include "case_rows.h"
#include "form.h"

#include <QTest>

#include <map>
#include <memory>

using namespace cases;

namespace {

// A window as plain as can be: it keeps what the form gives it, and its text boxes keep to their limits as
// real ones do.
class RecordingView final : public form::View {
public:
    std::u16string text(Control field) const override
    {
        const auto found = texts.find(field);
        return found == texts.end() ? std::u16string() : found->second;
    }
    void setText(Control field, std::u16string_view text) override { texts[field] = text.substr(0, limit(field)); }
    void setLimit(Control field, std::size_t characters) override { limits[field] = characters; }
    void enableCopy() override { copyEnabled = true; }
    core::MonthLanguage monthLanguage() const override { return language; }
    void setPanelText(StatusPanel panel, std::u16string_view text) override { panels[panel] = text; }
    void setCaption(std::u16string_view text) override { caption = text; }
    void showMessage(std::u16string_view text, MessageIcon icon) override
    {
        messages.push_back({std::u16string(text), icon});
    }
    void scheduleTick(std::chrono::milliseconds delay) override { tickDelay = int(delay.count()); }

    std::size_t limit(Control field) const
    {
        const auto found = limits.find(field);
        return found == limits.end() ? std::u16string::npos : found->second;
    }

    std::map<Control, std::u16string> texts;
    std::map<Control, std::size_t> limits;
    std::map<StatusPanel, std::u16string> panels;
    bool copyEnabled = false;
    core::MonthLanguage language = core::MonthLanguage::German;
    std::u16string caption = std::u16string(form::kTitle);
    std::vector<ShownMessage> messages;
    int tickDelay = -1;
};

class RecordingDriver final : public FormDriver {
public:
    void open(FakeDesktop& desktop) override
    {
        view = std::make_unique<RecordingView>();
        form = std::make_unique<form::Form>(*view, desktop);
        form->load();
    }
    void close() override
    {
        form.reset();
        view.reset();
    }
    void clear(Control field) override
    {
        if (!readOnly(field))
            view->texts[field].clear();
    }
    void fill(Control field, std::u16string_view text) override { edit(field, std::u16string(text)); }
    void typeMore(Control field, std::u16string_view text) override
    {
        const std::u16string& before = view->texts[field];
        if (readOnly(field))
            return;
        if (const std::u16string typed = typedInto(before, text, view->limit(field)); typed != before)
            edit(field, typed);
    }
    void eraseLast(Control field) override
    {
        std::u16string text = view->texts[field];
        if (!text.empty())
            text.pop_back();
        edit(field, text);
    }
    void click(Control control) override
    {
        if (control == Control::GermanMonthsOption || control == Control::EnglishMonthsOption)
            view->language =
                control == Control::GermanMonthsOption ? core::MonthLanguage::German : core::MonthLanguage::English;
        else if (control != Control::CopyButton || view->copyEnabled)
            form->click(control);
    }
    void tick() override { form->tick(); }
    void setMinimized(bool minimized) override { form->windowStateChanged(minimized); }
    void blankPanel(StatusPanel panel) override { view->panels[panel].clear(); }

    std::u16string text(Control field) override { return view->text(field); }
    bool isEnabled(Control control) override { return control != Control::CopyButton || view->copyEnabled; }
    bool isChecked(Control option) override
    {
        return (option == Control::GermanMonthsOption) == (view->language == core::MonthLanguage::German);
    }
    std::u16string panelText(StatusPanel panel) override { return view->panels[panel]; }
    std::u16string caption() override { return view->caption; }
    int tickDelay() override { return view->tickDelay; }
    std::vector<ShownMessage> takeMessages() override { return std::exchange(view->messages, {}); }

private:
    // A read-only box takes no keys, as a real one does.
    static bool readOnly(Control field) { return form::layoutOf(field).settings & form::kReadOnly; }

    // What the user's edit leaves in the field, with the form told of every change of the tactical input.
    void edit(Control field, const std::u16string& text)
    {
        view->texts[field] = text;
        if (field == Control::TacticalInput)
            form->tacticalInputChanged();
    }

    std::unique_ptr<RecordingView> view;
    std::unique_ptr<form::Form> form;
};

QString qName(Control control)
{
    return QString::fromLatin1(form::layoutOf(control).name.data(), qsizetype(form::layoutOf(control).name.size()));
}

QString qText(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

QString roleName(form::Role role)
{
    switch (role) {
    case form::Role::PushButton: return QStringLiteral("push button");
    case form::Role::RadioButton: return QStringLiteral("radio button");
    case form::Role::EditableText: return QStringLiteral("editable text");
    case form::Role::ReadOnlyText: return QStringLiteral("read-only text");
    case form::Role::StaticText: return QStringLiteral("static text");
    case form::Role::Grouping: return QStringLiteral("grouping");
    case form::Role::Link: return QStringLiteral("link");
    case form::Role::Graphic: return QStringLiteral("graphic");
    case form::Role::StatusBar: return QStringLiteral("status bar");
    }
    return {};
}

}  // namespace

// The form alone, with a recording view: the table of cases and the table of controls.
class FormTest : public QObject {
    Q_OBJECT

private slots:
    void runsEveryCase_data() { addFormCaseRows(); }

    void runsEveryCase()
    {
        RecordingDriver driver;
        const std::string failure = runFormCaseRow(driver);
        QVERIFY2(failure.empty(), failure.c_str());
    }

    // The table every window is made from, against the design: names, containers, places, captions, stacking,
    // and what assistive technology says.
    void describesTheDesignedWindow()
    {
        QCOMPARE(form::kControls.size(), std::size(kPlacements));
        for (std::size_t i = 0; i < form::kControls.size(); ++i) {
            const form::ControlLayout& row = form::kControls[i];
            const Placement& designed = kPlacements[i];
            QCOMPARE(qName(row.control), QString::fromLatin1(designed.name));
            QCOMPARE(row.container == Control::Window ? QStringLiteral("converterWindow") : qName(row.container),
                     QString::fromLatin1(designed.container));
            QCOMPARE(QRect(row.place.left, row.place.top, row.place.width, row.place.height),
                     QRect(designed.left, designed.top, designed.width, designed.height));
            QCOMPARE(qText(row.caption), QString::fromUtf8(designed.caption));
            QCOMPARE(qText(form::accessibleName(row)), QString::fromUtf8(designed.accessibleName));
            QCOMPARE(roleName(form::roleOf(row)), QString::fromLatin1(designed.role));
        }
        QCOMPARE(qText(form::accessibleDescription(form::layoutOf(Control::WebLink))),
                 QString::fromUtf8(kDesignedLinkDescription));
        QCOMPARE(QSize(form::kClientWidth, form::kClientHeight), QSize(6870, 5820));
        QCOMPARE(form::kStatusPanelWidth, 1440);
        QStringList tabOrder;
        for (Control control : form::kTabOrder)
            tabOrder << qName(control);
        QCOMPARE(tabOrder.join(u' '),
                 QStringList(std::begin(kDesignedTabOrder), std::end(kDesignedTabOrder)).join(u' '));
        QCOMPARE(qName(form::kFirstFocus), QStringLiteral("toTacticalButton"));
    }
};

QTEST_APPLESS_MAIN(FormTest)
#include "test_form.moc"
