// Qt's modal dialogs for the editor's questions.
#include "ui/QtAsker.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

QtAsker::QtAsker(QWidget* parent)
    : m_parent(parent)
{
}

QString QtAsker::AskText(const QString& prompt, const QString& title, const QString& defaultAnswer)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultAnswer, &accepted);
    return accepted ? answer : QString();
}

bool QtAsker::AskYesNo(const QString& title, const QString& text)
{
    return QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

Asker::Choice QtAsker::AskSaveDiscardCancel(const QString& title, const QString& text, const QString& informativeText)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    m_parent);
    box.setInformativeText(informativeText);
    // A reflexive Return must not write the game files.
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return Choice::Save;
    case QMessageBox::Discard: return Choice::Discard;
    default: return Choice::Cancel;
    }
}

int QtAsker::AskThreeWay(const QString& title, const QString& text, const QString& informativeText,
                         const std::array<QString, 3>& buttons)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, m_parent);
    box.setInformativeText(informativeText);
    const QMessageBox::ButtonRole roles[] = {QMessageBox::AcceptRole, QMessageBox::DestructiveRole,
                                             QMessageBox::RejectRole};
    std::array<QAbstractButton*, 3> added{};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        added[i] = box.addButton(buttons[i], roles[i]);
    box.setDefaultButton(qobject_cast<QPushButton*>(added[2]));
    box.setEscapeButton(added[2]);
    box.exec();
    for (std::size_t i = 0; i < added.size(); ++i) {
        if (box.clickedButton() == added[i])
            return int(i);
    }
    return 2;
}

bool QtAsker::AskWarningYesNo(const QString& title, const QString& text)
{
    return QMessageBox::warning(m_parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

std::optional<QString> QtAsker::AskOpenFile(const QString& title, const QString& filter)
{
    // Qt's own dialog matches the pattern without regard to case, so UFO.EXE is listed too.
    const QString path = QFileDialog::getOpenFileName(m_parent, title, QString(), ToQtFilter(filter), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtAsker::AskSaveFile(const QString& title, const QString& filter)
{
    const QString path = QFileDialog::getSaveFileName(m_parent, title, QString(), ToQtFilter(filter), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtAsker::AskFolder(const QString& title)
{
    const QString path = QFileDialog::getExistingDirectory(
        m_parent, title, QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void QtAsker::ShowMessage(const QString& title, const QString& text)
{
    QMessageBox::information(m_parent, title, text);
}

void QtAsker::ShowError(const QString& title, const QString& text)
{
    QMessageBox::critical(m_parent, title, text);
}

QString QtAsker::ToQtFilter(const QString& filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    return QStringLiteral("%1 (%2)").arg(filter.left(bar), filter.mid(bar + 1));
}

void QtAsker::ShowRefusal(const QString& reason)
{
    auto* window = qobject_cast<QMainWindow*>(m_parent);
    if (!window)
        return;
    QStatusBar* bar = window->statusBar();
    // Clearing takes away only this reason, not a notice shown since.
    if (!reason.isEmpty())
        bar->showMessage(reason);
    else if (bar->currentMessage() == m_refusal)
        bar->clearMessage();
    m_refusal = reason;
}
