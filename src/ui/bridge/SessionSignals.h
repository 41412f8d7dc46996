#pragma once

#include "workstation/Session.h"

#include <QObject>

namespace quelvarin::ui {

// The session's change events as Qt signals: the one place where the windows hear of a change.
// The application owns one and hands it to every window, which connects to what it shows.
class SessionSignals : public QObject, private SessionObserver {
    Q_OBJECT
public:
    explicit SessionSignals(Session& session, QObject* parent = nullptr);
    ~SessionSignals() override;

Q_SIGNALS:
    void figuresRecomputed(quelvarin::RefreshSteps steps);
    void selectionChanged();
    void cardChoiceChanged();
    void answerChanged(int answer);
    void answerTextChanged(int answer);
    void protocolReplaced(quelvarin::ProtocolSource source);
    void helpTextsShown(int code);
    void helpTextsCleared();
    void modifiedChanged(bool modified);
    void personalDataChanged();
    void cardTimesChanged(int card);
    void checksChanged();
    void modeChanged();
    void topicShown();
    void szeiCodingChanged();

private:
    void FiguresRecomputed(RefreshSteps steps) override { Q_EMIT figuresRecomputed(steps); }
    void SelectionChanged() override { Q_EMIT selectionChanged(); }
    void CardChoiceChanged() override { Q_EMIT cardChoiceChanged(); }
    void AnswerChanged(int answer) override { Q_EMIT answerChanged(answer); }
    void AnswerTextChanged(int answer) override { Q_EMIT answerTextChanged(answer); }
    void ProtocolReplaced(ProtocolSource source) override { Q_EMIT protocolReplaced(source); }
    void HelpTextsShown(const HelpTexts& texts) override { Q_EMIT helpTextsShown(texts.code); }
    void HelpTextsCleared() override { Q_EMIT helpTextsCleared(); }
    void ModifiedChanged(bool modified) override { Q_EMIT modifiedChanged(modified); }
    void PersonalDataChanged() override { Q_EMIT personalDataChanged(); }
    void CardTimesChanged(int card) override { Q_EMIT cardTimesChanged(card); }
    void ChecksChanged() override { Q_EMIT checksChanged(); }
    void ModeChanged() override { Q_EMIT modeChanged(); }
    void TopicShown() override { Q_EMIT topicShown(); }
    void SzeiCodingChanged() override { Q_EMIT szeiCodingChanged(); }

    Session& m_session;
};

} // namespace quelvarin::ui
