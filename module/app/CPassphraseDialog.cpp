#include "module/app/CPassphraseDialog.h"

#include <QByteArray>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* MaskedField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    // No copy of a passphrase goes to the clipboard or an undo list.
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setMinimumWidth(240);
    return field;
}

// The field's text as UTF-8 into `secret`; the field is cleared and the copy overwritten.
void Take(QLineEdit* field, UsmSecret& secret) {
    if (!field)
        return;
    QByteArray bytes = field->text().toUtf8();
    secret = UsmSecret(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    bytes.fill('\0');
    field->clear();
}

} // namespace

CPassphraseDialog::CPassphraseDialog(const PassphraseRequest& request, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("Taurel: SNMPv3 passphrases");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QString::fromStdString("Passphrases of SNMPv3 user \"" + request.userName +
                                          "\" for " + request.agentAddress + ":"),
                   this));
    auto* form = new QFormLayout;
    m_auth = MaskedField(this);
    form->addRow("Authentication passphrase:", m_auth);
    if (request.privacy) {
        m_priv = MaskedField(this);
        form->addRow("Privacy passphrase:", m_priv);
    }
    layout->addLayout(form);
    layout->addWidget(
        new QLabel(QString("At least %1 characters each.").arg(kMinPassphraseLength), this));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_auth, &QLineEdit::textChanged, this, [this] { UpdateOk(); });
    if (m_priv)
        connect(m_priv, &QLineEdit::textChanged, this, [this] { UpdateOk(); });
    UpdateOk();
}

CPassphraseDialog::~CPassphraseDialog() {
    // Cancelled or not, nothing typed stays in the fields.
    m_auth->clear();
    if (m_priv)
        m_priv->clear();
}

void CPassphraseDialog::UpdateOk() {
    const bool enough = m_auth->text().size() >= qsizetype(kMinPassphraseLength) &&
                        (!m_priv || m_priv->text().size() >= qsizetype(kMinPassphraseLength));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(enough);
}

void CPassphraseDialog::TakePassphrases(UsmSecret& auth, UsmSecret& priv) {
    Take(m_auth, auth);
    Take(m_priv, priv);
}
