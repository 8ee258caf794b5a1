#include "module/app/PassphrasePrompt.h"

#include "module/app/CPassphraseDialog.h"

#include <QTimer>

bool AskPassphrasesInDialog(const PassphraseRequest& request, UsmSecret& auth, UsmSecret& priv) {
    CPassphraseDialog dialog(request);
    if (request.giveUpAfterSeconds)
        QTimer::singleShot(int(*request.giveUpAfterSeconds * 1000), &dialog,
                           [&dialog] { dialog.reject(); });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.TakePassphrases(auth, priv);
    return true;
}
