// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/ActionForm.h"
#include "app/ProgramIcon.h"
#include "app/QuillbyApplication.h"
#include "app/SingleInstance.h"
#include "resources/QtResourceStore.h"

int main(int argc, char **argv)
{
    quillby::QuillbyApplication app(argc, argv);
    app.setWindowIcon(quillby::ProgramIcon());
    const quillby::SingleInstance marker(QStringLiteral("QUILLBY"));
    if (marker.AnotherCopyRuns())
        return 0;

    const quillby::QtResourceStore store;
    quillby::TfrmAction form(store);
    form.show();
    app.exec();
    return 0;
}
