#pragma once
// The dialog of the passphrase prompt: a line naming the user and the switch, a masked field
// per passphrase, OK (enabled once each holds at least 8 characters, the least SNMPv3 takes)
// and Cancel. What was typed leaves the fields when it is taken.

#include "module/app/PassphrasePrompt.h"

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;

class CPassphraseDialog : public QDialog {
public:
    explicit CPassphraseDialog(const PassphraseRequest& request, QWidget* parent = nullptr);
    ~CPassphraseDialog() override;

    // Moves what the fields hold into the secrets and clears the fields.
    void TakePassphrases(UsmSecret& auth, UsmSecret& priv);

    QLineEdit* AuthField() const { return m_auth; }
    QLineEdit* PrivField() const { return m_priv; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

private:
    void UpdateOk();

    QLineEdit* m_auth = nullptr;
    QLineEdit* m_priv = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
