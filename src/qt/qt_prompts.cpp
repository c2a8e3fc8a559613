#include "qt/qt_prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace korvo::qt {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QMessageBox::StandardButtons ToQt(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return QMessageBox::Ok;
        case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
        case Icon::None: return QMessageBox::NoIcon;
        case Icon::Stop: return QMessageBox::Critical;
        case Icon::Exclamation: return QMessageBox::Warning;
        case Icon::Question: return QMessageBox::Question;
        case Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QString WithExtension(QString path, const std::string& extension) {
    if (!path.isEmpty() && !extension.empty() && QFileInfo(path).suffix().isEmpty())
        path += "." + Q(extension);
    return path;
}

}  // namespace

QString FilterString(const std::vector<platform::FileFilter>& filters) {
    QStringList parts;
    for (const auto& f : filters) {
        // The label carries the pattern already ("Data Files(*.stk)"); add it if it does not.
        QString label = Q(f.label);
        if (!label.contains(Q(f.pattern))) label += " (" + Q(f.pattern) + ")";
        parts << label;
    }
    return parts.join(";;");
}

Answer QtPrompts::ShowMessage(const std::string& text, const std::string& caption,
                              Buttons buttons, Icon icon) {
    QMessageBox box(ToQt(icon), Q(caption), Q(text), ToQt(buttons), owner_);
    switch (box.exec()) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Retry: return Answer::Retry;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return platform::CautiousAnswer(buttons);  // closed with Esc or the frame
    }
}

std::optional<std::string> QtPrompts::OpenFile(const platform::FileDialogRequest& request) {
    QFileDialog dialog(owner_, Q(request.title), Q(request.initialDirectory),
                       FilterString(request.filters));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(Q(request.defaultExtension));
    if (!request.presetName.empty()) dialog.selectFile(Q(request.presetName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtPrompts::SaveFile(const platform::FileDialogRequest& request) {
    QFileDialog dialog(owner_, Q(request.title), Q(request.initialDirectory),
                       FilterString(request.filters));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.promptOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(Q(request.defaultExtension));
    if (!request.presetName.empty()) dialog.selectFile(Q(request.presetName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return WithExtension(dialog.selectedFiles().first(), request.defaultExtension).toStdString();
}

std::optional<platform::Colour> QtPrompts::PickColour(platform::Colour preset,
                                                      platform::CustomColours& custom) {
    for (int i = 0; i < 16; ++i) {
        const platform::Colour c = custom[static_cast<size_t>(i)];
        QColorDialog::setCustomColor(
            i, QColor(platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c)));
    }
    const QColor initial(platform::RedOf(preset), platform::GreenOf(preset),
                         platform::BlueOf(preset));
    const QColor chosen = QColorDialog::getColor(initial, owner_);
    for (int i = 0; i < 16; ++i) {
        const QColor c = QColorDialog::customColor(i);
        custom[static_cast<size_t>(i)] = platform::Rgb(c.red(), c.green(), c.blue());
    }
    if (!chosen.isValid()) return std::nullopt;
    return platform::Rgb(chosen.red(), chosen.green(), chosen.blue());
}

void QtPrompts::Beep() { QApplication::beep(); }

}  // namespace korvo::qt
