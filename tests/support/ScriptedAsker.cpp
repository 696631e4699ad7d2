// The scripted Asker used by every test that meets a dialog.
#include "support/ScriptedAsker.h"

#include <gtest/gtest.h>

const char* KindName(ScriptedAsker::Kind kind)
{
    switch (kind) {
    case ScriptedAsker::Kind::Text: return "input box";
    case ScriptedAsker::Kind::YesNo: return "Yes/No box";
    case ScriptedAsker::Kind::SaveDiscardCancel: return "Save/Discard/Cancel question";
    case ScriptedAsker::Kind::ThreeWay: return "three-way question";
    case ScriptedAsker::Kind::WarningYesNo: return "Yes/No warning";
    case ScriptedAsker::Kind::OpenFile: return "open dialog";
    case ScriptedAsker::Kind::SaveFile: return "save dialog";
    case ScriptedAsker::Kind::Folder: return "folder dialog";
    case ScriptedAsker::Kind::Message: return "message box";
    case ScriptedAsker::Kind::Error: return "error box";
    }
    return "?";
}

ScriptedAsker::~ScriptedAsker()
{
    if (!m_script.empty())
        ADD_FAILURE() << m_script.size() << " scripted answer(s) unused; next expected: "
                      << KindName(m_script.front().kind);
}

ScriptedAsker& ScriptedAsker::Answer(const QString& text)
{
    m_script.push_back({Kind::Text, text});
    return *this;
}

ScriptedAsker& ScriptedAsker::AnswerYesNo(bool yes)
{
    m_script.push_back({Kind::YesNo, {}, yes});
    return *this;
}

ScriptedAsker& ScriptedAsker::AnswerOpenFile(std::optional<QString> path)
{
    m_script.push_back({Kind::OpenFile, {}, false, std::move(path)});
    return *this;
}

ScriptedAsker& ScriptedAsker::AnswerSaveDiscardCancel(Choice choice)
{
    m_script.push_back({Kind::SaveDiscardCancel, {}, false, {}, choice});
    return *this;
}

ScriptedAsker& ScriptedAsker::AnswerSaveFile(std::optional<QString> path)
{
    m_script.push_back({Kind::SaveFile, {}, false, std::move(path)});
    return *this;
}

ScriptedAsker& ScriptedAsker::AnswerFolder(std::optional<QString> path)
{
    m_script.push_back({Kind::Folder, {}, false, std::move(path)});
    return *this;
}

ScriptedAsker& ScriptedAsker::AnswerThreeWay(int button)
{
    m_script.push_back({Kind::ThreeWay, {}, false, {}, Choice::Cancel, button});
    return *this;
}

ScriptedAsker& ScriptedAsker::AnswerWarningYesNo(bool yes)
{
    m_script.push_back({Kind::WarningYesNo, {}, yes});
    return *this;
}

ScriptedAsker& ScriptedAsker::AcknowledgeMessage()
{
    m_script.push_back({Kind::Message});
    return *this;
}

ScriptedAsker& ScriptedAsker::AcknowledgeError()
{
    m_script.push_back({Kind::Error});
    return *this;
}

std::optional<ScriptedAsker::Step> ScriptedAsker::Next(Kind kind)
{
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << ": no scripted answer left";
        return std::nullopt;
    }
    if (m_script.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << "; the script expected a "
                      << KindName(m_script.front().kind);
        m_script.clear();
        return std::nullopt;
    }
    Step step = m_script.front();
    m_script.pop_front();
    return step;
}

QString ScriptedAsker::AskText(const QString& prompt, const QString& title, const QString& defaultAnswer)
{
    m_shown.push_back({Kind::Text, title, prompt, defaultAnswer});
    const auto step = Next(Kind::Text);
    return step ? step->text : QString();
}

bool ScriptedAsker::AskYesNo(const QString& title, const QString& text)
{
    m_shown.push_back({Kind::YesNo, title, text, {}});
    const auto step = Next(Kind::YesNo);
    return step && step->yes;
}

std::optional<QString> ScriptedAsker::AskOpenFile(const QString& title, const QString& filter)
{
    m_shown.push_back({Kind::OpenFile, title, filter, {}});
    const auto step = Next(Kind::OpenFile);
    return step ? step->path : std::nullopt;
}

Asker::Choice ScriptedAsker::AskSaveDiscardCancel(const QString& title, const QString& text,
                                                 const QString& informativeText)
{
    m_shown.push_back({Kind::SaveDiscardCancel, title, text, informativeText});
    const auto step = Next(Kind::SaveDiscardCancel);
    return step ? step->choice : Choice::Cancel;
}

std::optional<QString> ScriptedAsker::AskSaveFile(const QString& title, const QString& filter)
{
    m_shown.push_back({Kind::SaveFile, title, filter, {}});
    const auto step = Next(Kind::SaveFile);
    return step ? step->path : std::nullopt;
}

std::optional<QString> ScriptedAsker::AskFolder(const QString& title)
{
    m_shown.push_back({Kind::Folder, title, {}, {}});
    const auto step = Next(Kind::Folder);
    return step ? step->path : std::nullopt;
}

int ScriptedAsker::AskThreeWay(const QString& title, const QString& text, const QString& informativeText,
                               const std::array<QString, 3>& buttons)
{
    m_shown.push_back({Kind::ThreeWay, title, text, informativeText, buttons});
    const auto step = Next(Kind::ThreeWay);
    return step ? step->button : 2;
}

bool ScriptedAsker::AskWarningYesNo(const QString& title, const QString& text)
{
    m_shown.push_back({Kind::WarningYesNo, title, text, {}});
    const auto step = Next(Kind::WarningYesNo);
    return step && step->yes;
}

void ScriptedAsker::ShowMessage(const QString& title, const QString& text)
{
    m_shown.push_back({Kind::Message, title, text, {}});
    Next(Kind::Message);
}

void ScriptedAsker::ShowError(const QString& title, const QString& text)
{
    m_shown.push_back({Kind::Error, title, text, {}});
    Next(Kind::Error);
}
