#pragma once

#include <QCoreApplication>

// The translation context of every text the companion prints.
struct JournalText
{
    Q_DECLARE_TR_FUNCTIONS(JournalText)
};
