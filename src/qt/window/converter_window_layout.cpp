#include "converter_window.h"
#include "look.h"
#include "pictures.h"
#include "qt_text.h"
#include "status_bar.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

using form::Control;
using form::ControlKind;

namespace {

QFont sansSerif(int pointSize)
{
    QStringList faces;
    for (std::string_view face : form::kArialMetricFaces)
        faces << QString::fromLatin1(face.data(), static_cast<qsizetype>(face.size()));
    QFont font(faces, pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QWidget* bareControl(ControlKind kind, const QString& caption, QWidget* container)
{
    switch (kind) {
    case ControlKind::Frame: return new QGroupBox(caption, container);
    case ControlKind::Button: return new QPushButton(caption, container);
    case ControlKind::TextBox: return new QLineEdit(container);
    case ControlKind::Label:
    case ControlKind::Link: return new QLabel(caption, container);
    case ControlKind::Option: return new QRadioButton(caption, container);
    case ControlKind::Picture: return new QLabel(container);
    case ControlKind::StatusBar: return new StatusBar(container);
    }
    return nullptr;
}

}  // namespace

void ConverterWindow::createControls()
{
    setObjectName(QStringLiteral("converterWindow"));
    setWindowTitle(qText(form::kTitle));
    setWindowIcon(logoIcon());
    // A fixed frame with minimize and close buttons but no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(form::pixels(form::kClientWidth), form::pixels(form::kClientHeight));
    setFont(sansSerif(form::kStandardFontPoints));
    setMouseTracking(true);

    controls.at(static_cast<std::size_t>(Control::Window)) = this;
    for (const form::ControlLayout& row : form::kControls)
        controls.at(static_cast<std::size_t>(row.control)) = createControl(row);
    // Each caption names its field, to screen readers too.
    for (const form::ControlLayout& row : form::kControls) {
        if (row.labelled != Control::None)
            control<QLabel>(row.control)->setBuddy(control(row.labelled));
    }

    statusTimer = new QTimer(this);
    statusTimer->setObjectName(QStringLiteral("statusTimer"));
    statusTimer->setSingleShot(true);
    statusTimer->setTimerType(Qt::PreciseTimer);

    arrangeStacking();
    arrangeTabOrder();
    keepOptionTabStopAtSelected();
    move(screen()->availableGeometry().center() - rect().center());
}

QWidget* ConverterWindow::createControl(const form::ControlLayout& row)
{
    QWidget* widget = bareControl(row.kind, qText(row.caption), control(row.container));
    widget->setObjectName(QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size())));
    const form::PixelRect place = form::pixelPlace(row, form::Origin::Container);
    widget->setGeometry(place.left, place.top, place.width, place.height);
    widget->setEnabled(!(row.settings & form::kDisabled));
    if (!row.hint.empty())
        widget->setToolTip(qText(row.hint));
    widget->setAccessibleName(qText(form::accessibleName(row)));
    widget->setAccessibleDescription(qText(form::accessibleDescription(row)));
    if (form::fontPointsOf(row) != form::kStandardFontPoints)
        widget->setFont(sansSerif(form::fontPointsOf(row)));

    switch (row.kind) {
    case ControlKind::TextBox:
        if (row.settings & form::kReadOnly) {
            static_cast<QLineEdit*>(widget)->setReadOnly(true);
            // The text can still be selected and copied, so the box keeps the text cursor.
            widget->setCursor(Qt::IBeamCursor);
        }
        break;
    case ControlKind::Label: static_cast<QLabel*>(widget)->setAlignment(Qt::AlignLeft | Qt::AlignTop); break;
    case ControlKind::Link:
        static_cast<QLabel*>(widget)->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
        break;
    case ControlKind::Option: static_cast<QRadioButton*>(widget)->setChecked(row.settings & form::kSelected); break;
    case ControlKind::Picture: {
        auto* picture = static_cast<QLabel*>(widget);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
        picture->setPixmap(windowIcon().pixmap(QSize(form::kLogoPixels, form::kLogoPixels), devicePixelRatioF()));
        // The box takes the size of its picture and border.
        picture->resize(picture->sizeHint());
        picture->setFocusPolicy(Qt::StrongFocus);
        break;
    }
    case ControlKind::StatusBar: createStatusBar(static_cast<StatusBar*>(widget)); break;
    case ControlKind::Frame:
    case ControlKind::Button: break;
    }
    return widget;
}

void ConverterWindow::createStatusBar(StatusBar* bar)
{
    for (form::StatusPanel key : form::kStatusPanels)
        bar->addPanel(key, form::pixels(form::kStatusPanelWidth));
}

// Where controls overlap, the one made first lies on top.
void ConverterWindow::arrangeStacking()
{
    for (const form::ControlLayout* row : form::makingOrder())
        control(row->control)->lower();
}

void ConverterWindow::arrangeTabOrder()
{
    QWidget* previous = nullptr;
    for (Control next : form::kTabOrder) {
        if (previous)
            setTabOrder(previous, control(next));
        previous = control(next);
    }
    control(form::kFirstFocus)->setFocus();
}

// The month options take one keyboard stop, at the selected one; the arrow keys move within the group.
void ConverterWindow::keepOptionTabStopAtSelected()
{
    const auto update = [this] {
        for (Control option : form::kMonthOptions)
            control(option)->setFocusPolicy(control<QRadioButton>(option)->isChecked() ? Qt::StrongFocus
                                                                                       : Qt::ClickFocus);
    };
    update();
    connect(control<QRadioButton>(form::kMonthOptions.front()), &QRadioButton::toggled, this, update);
}
