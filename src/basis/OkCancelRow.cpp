#include "OkCancelRow.h"

#include <QHBoxLayout>
#include <QPushButton>

TOkCancelRow MakeOkCancelRow(QWidget *dialog,
                             const QString &cancelCaption,
                             const QString &cancelObjectName)
{
    auto *ok = new QPushButton("&Ok", dialog);
    ok->setObjectName("BnOk");
    ok->setDefault(true);
    auto *cancel = new QPushButton(cancelCaption, dialog);
    cancel->setObjectName(cancelObjectName);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return {ok, cancel, row};
}
