#ifndef PUMPMODEL_H
#define PUMPMODEL_H

#include "pumpprogram.h"

#include <QMetaType>
#include <QString>
#include <string>

// One pump: the identity cut from its identity reply, and its settings as text,
// exactly as the form holds them or the pump sent them.
struct PUMP_MODEL_T
{
    std::string name;
    std::string address;
#if PUMP_PROGRAM == PUMP_KEY_TOOL
    // The connection-key tool writes keys and nothing else.
    QString nk1;
    QString nk2;
    QString nk3;
    QString nk4;
    QString nk5;
#else
    QString am;
    QString ip;
    QString sm;
    QString dg;
    QString dns1;
    QString dns2;
    QString tt;
    QString uh;
    QString um;
    QString cm;
    QString bt;
    QString tn;
    QString pa;
#endif
};

Q_DECLARE_METATYPE(PUMP_MODEL_T)

#endif // PUMPMODEL_H
