#pragma once
// A shell whose save dialog answers with queued file names (none left:
// Cancel), keeping the filters and proposed names it was asked with.
#include "app/ShellDialogs.h"

#include <QString>
#include <deque>
#include <optional>
#include <vector>

namespace kiv::test {

class CNamedShell : public CShellDialogs {
  public:
    using CShellDialogs::CShellDialogs;
    std::optional<QString> SaveFileName(QWidget*, const QString& filter, const QString&,
                                        const QString& name) override {
        filters.push_back(filter);
        proposed.push_back(name);
        if (names.empty()) return std::nullopt;
        QString next = names.front();
        names.pop_front();
        return next;
    }
    std::deque<QString> names;
    std::vector<QString> filters;
    std::vector<QString> proposed;
};

} // namespace kiv::test
