#pragma once

#include "workstation/Session.h"

#include <QObject>

namespace quelvarin::ui {

// The session's change events as Qt signals: the one place where the windows hear of a change.
class SessionSignals : public QObject, private SessionObserver {
    Q_OBJECT
public:
    explicit SessionSignals(Session& session, QObject* parent = nullptr);
    ~SessionSignals() override;

signals:
    void figuresRecomputed();
    void selectionChanged();
    void answerChanged(int answer);
    void answerTextChanged(int answer);
    void protocolReplaced();
    void helpTextsShown(int code);
    void helpTextsCleared();
    void modifiedChanged(bool modified);
    void personalDataChanged();
    void cardTimesChanged(int card);
    void checksChanged();
    void modeChanged();

private:
    void FiguresRecomputed(RefreshSteps) override { emit figuresRecomputed(); }
    void SelectionChanged() override { emit selectionChanged(); }
    void AnswerChanged(int answer) override { emit answerChanged(answer); }
    void AnswerTextChanged(int answer) override { emit answerTextChanged(answer); }
    void ProtocolReplaced(ProtocolSource) override { emit protocolReplaced(); }
    void HelpTextsShown(const HelpTexts& texts) override { emit helpTextsShown(texts.code); }
    void HelpTextsCleared() override { emit helpTextsCleared(); }
    void ModifiedChanged(bool modified) override { emit modifiedChanged(modified); }
    void PersonalDataChanged() override { emit personalDataChanged(); }
    void CardTimesChanged(int card) override { emit cardTimesChanged(card); }
    void ChecksChanged() override { emit checksChanged(); }
    void ModeChanged() override { emit modeChanged(); }

    Session& m_session;
};

} // namespace quelvarin::ui
