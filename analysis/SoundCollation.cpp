#include "analysis/SoundCollation.h"

#include <QCollator>
#include <QString>
#include <memory>

#include "document/Cp1252.h"

namespace velmar {

KeyLess LocaleKeyLess() {
    auto collator = std::make_shared<QCollator>();
    collator->setCaseSensitivity(Qt::CaseInsensitive);
    return [collator](const std::string& a, const std::string& b) {
        return collator->compare(QString::fromStdString(Cp1252ToUtf8(a)),
                                 QString::fromStdString(Cp1252ToUtf8(b))) < 0;
    };
}

}  // namespace velmar
