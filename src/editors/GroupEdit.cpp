#include "editors/GroupEdit.h"

#include "document/QelDoc.h"
#include "editors/Texts.h"

#include <algorithm>

namespace kiv::editors {

namespace {

void SortUnique(std::vector<std::string>& list) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

bool Contains(const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

std::vector<std::string> NumbersOf(const CQelDoc& doc) {
    std::vector<std::string> numbers;
    const int count = std::clamp(doc.mboxCount, 0, static_cast<int>(doc.mailboxes.size()));
    for (int i = 0; i < count; ++i)
        numbers.push_back(doc.mailboxes[static_cast<std::size_t>(i)].number);
    return numbers;
}

} // namespace

CGroupEdit::CGroupEdit(std::string digit, std::vector<std::string> mailboxNumbers,
                       const std::array<MboxGroup, 5>& groups)
    : firstDigit(std::move(digit)), all_(std::move(mailboxNumbers)) {
    for (int g = 0; g < kEditableGroups; ++g) {
        const auto i = static_cast<std::size_t>(g);
        const MboxGroup& group = groups[i];
        const bool countReadable = group.memberCount <= kMaxGroupMembers;
        const int count = countReadable ? group.memberCount : 0;
        auto& list = members_[i];
        bool whole = countReadable;
        for (int m = 0; m < count; ++m) {
            const int member = group.members[static_cast<std::size_t>(m)];
            const auto found = std::find_if(all_.begin(), all_.end(), [member](const auto& n) {
                return LeadingNumber(n) == member;
            });
            if (found == all_.end())
                whole = false;
            else
                list.push_back(*found);
        }
        SortUnique(list);
        stored_[i] = group;
        opened_[i] = list;
        shownWhole_[i] = whole;
    }
    std::sort(all_.begin(), all_.end());
}

CGroupEdit::CGroupEdit(const CQelDoc& doc)
    : CGroupEdit(doc.groupFirstDigit, NumbersOf(doc), doc.groups) {}

std::string CGroupEdit::Caption(int column) const {
    static constexpr const char* kSuffix[kGroupColumns] = {"00", "01", "02", "03", "99"};
    if (column < 0 || column >= kGroupColumns) return {};
    return firstDigit + kSuffix[column];
}

const std::vector<std::string>& CGroupEdit::Members(int group) const {
    return members_[static_cast<std::size_t>(std::clamp(group, 0, kEditableGroups - 1))];
}

std::string CGroupEdit::Add(int group, const std::vector<std::string>& selected) {
    if (group < 0 || group >= kEditableGroups) return {};
    auto& list = members_[static_cast<std::size_t>(group)];
    if (selected.size() + list.size() > static_cast<std::size_t>(kMaxGroupMembers))
        return texts::kTooManyMboxes;
    for (const auto& number : selected)
        if (Contains(all_, number) && !Contains(list, number)) list.push_back(number);
    SortUnique(list);
    return {};
}

void CGroupEdit::Remove(int group, const std::vector<std::string>& selected) {
    if (group < 0 || group >= kEditableGroups) return;
    auto& list = members_[static_cast<std::size_t>(group)];
    std::erase_if(list, [&](const std::string& s) { return Contains(selected, s); });
}

FieldCheck<GroupField> CGroupEdit::Check() const {
    if (firstDigit.size() != 1 || !IsAllDigits(firstDigit))
        return FieldError<GroupField>{GroupField::FirstDigit, texts::kInputError};
    return std::nullopt;
}

void CGroupEdit::ApplyTo(std::string& groupFirstDigit, std::array<MboxGroup, 5>& groups) const {
    groupFirstDigit = firstDigit;
    for (int g = 0; g < kEditableGroups; ++g) {
        const auto i = static_cast<std::size_t>(g);
        const auto& list = members_[i];
        MboxGroup& out = groups[i];
        if (shownWhole_[i] && list == opened_[i]) {
            out = stored_[i];
            continue;
        }
        out = MboxGroup{};
        out.memberCount = static_cast<std::uint8_t>(list.size());
        for (std::size_t m = 0; m < list.size(); ++m)
            out.members[m] = LeadingNumber(list[m]);
    }
}

void CGroupEdit::ApplyTo(CQelDoc& doc) const {
    ApplyTo(doc.groupFirstDigit, doc.groups);
}

} // namespace kiv::editors
