// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTest>

// Finds a control by its objectName the way the file loading does, failing the
// running test with the missing name instead of crashing on a null pointer.
template <class T> T* paramsControl(QObject* root, const QString& name) {
    T* control = root->findChild<T*>(name);
    if (control == nullptr) {
        QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
    }
    return control;
}

#define PARAMS_CONTROL(type, var, root, name)                                                      \
    type* var = paramsControl<type>(root, QString::fromUtf8(name));                                \
    if (var == nullptr)                                                                            \
        return;
