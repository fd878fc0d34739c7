#include "table/PayToTable.h"

#include <algorithm>

#include "common/Error.h"
#include "common/Text.h"

namespace xkr {
namespace {

bool fitsWidth(std::string_view text, std::size_t widthInChars) {
    // A character takes at least one byte, so a text no longer in bytes always fits.
    return text.size() <= widthInChars || text::charCount(text) <= widthInChars;
}

}  // namespace

void PayToTable::appendField(std::string name, std::size_t widthInChars) {
    if (m_open || m_everOpened)
        throw VendorPayToError("fields are declared before opening");
    if (m_fields.size() == maxFields)
        throw VendorPayToError("too many fields");
    if (m_fields.empty())
        m_fields.reserve(maxFields);  // one allocation for the declarations of every control
    m_fields.push_back({std::move(name), widthInChars});
}

const std::string& PayToTable::fieldName(std::size_t position) const {
    return m_fields[checkedPosition(position)].name;
}

std::size_t PayToTable::fieldWidth(std::size_t position) const {
    return m_fields[checkedPosition(position)].width;
}

std::size_t PayToTable::fieldPosition(std::string_view name) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name == name)
            return i;
    }
    throw VendorPayToError("no field named " + std::string(name));
}

void PayToTable::open() {
    if (m_open)
        throw VendorPayToError("the table is already open");
    m_open = true;
    m_everOpened = true;
    clearRows();
}

void PayToTable::close() {
    requireOpen();
    m_open = false;
    clearRows();
    m_rows.shrink_to_fit();
}

std::size_t PayToTable::recordCount() const {
    requireOpen();
    return m_rows.size();
}

void PayToTable::moveFirst() {
    requireOpen();
    m_cursor = 0;
    m_deletedAtCursor = false;
}

void PayToTable::moveNext() {
    requireOpen();
    if (m_deletedAtCursor) {
        m_deletedAtCursor = false;
        return;
    }
    if (m_cursor >= m_rows.size())
        throw VendorPayToError("the cursor is past the last row");
    ++m_cursor;
}

bool PayToTable::eof() const {
    requireOpen();
    return m_cursor >= m_rows.size();
}

void PayToTable::addNew() {
    requireOpen();
    m_rows.emplace_back();
    m_cursor = m_rows.size() - 1;
    m_deletedAtCursor = false;
}

void PayToTable::reserveRows(std::size_t count) {
    requireOpen();
    m_rows.reserve(count);
}

void PayToTable::deleteCurrent() {
    requireOpen();
    if (m_deletedAtCursor || m_cursor >= m_rows.size()) {
        throw VendorPayToError("no current row to delete");
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(m_cursor));
    // The cursor now names the row that followed; MoveNext must reach exactly that row.
    m_deletedAtCursor = true;
}

void PayToTable::deleteAllRows() {
    requireOpen();
    clearRows();
}

std::optional<std::size_t> PayToTable::findFirst(std::size_t position,
                                                 std::string_view value) const {
    requireOpen();
    checkedPosition(position);
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].get(position) == value)
            return row;
    }
    return std::nullopt;
}

void PayToTable::moveTo(std::size_t row) {
    requireOpen();
    if (row > m_rows.size())
        throw VendorPayToError("no row " + std::to_string(row));
    m_cursor = row;
    m_deletedAtCursor = false;
}

std::string_view PayToTable::value(std::string_view name) const {
    return value(fieldPosition(name));
}

std::string_view PayToTable::value(std::size_t position) const {
    return currentRow().get(checkedPosition(position));
}

std::array<std::string_view, PayToTable::maxFields> PayToTable::values() const {
    return currentRow().getAll();
}

bool PayToTable::hasValue(std::size_t position) const {
    return currentRow().hasValue(checkedPosition(position));
}

std::string_view PayToTable::valueAt(std::size_t row, std::size_t position) const {
    requireOpen();
    if (row >= m_rows.size())
        throw VendorPayToError("no row " + std::to_string(row));
    return m_rows[row].get(checkedPosition(position));
}

void PayToTable::setValue(std::string_view name, std::string_view text) {
    setValue(fieldPosition(name), text);
}

void PayToTable::setValue(std::size_t position, std::string_view text) {
    Row& row = currentRow();
    if (!fits(position, text))
        throw VendorPayToError(tooLong(position));
    row.set(position, text);
}

std::string_view PayToTable::keepText(std::string_view text) {
    requireOpen();
    // Made zeroed, padding included, in one allocation with its count.
    const auto copy = std::make_shared<char[]>(text.size() + keptTextPadding);
    std::copy(text.begin(), text.end(), copy.get());
    m_keptTexts.push_back(copy);
    m_keptBytes += text.size();
    return {copy.get(), text.size()};
}

std::string PayToTable::setValues(std::span<const std::string_view> values, std::size_t gap) {
    Row& row = currentRow();
    const std::size_t declared = std::min(values.size(), m_fields.size());
    std::size_t valid = 0;
    while (valid < declared && fitsWidth(values[valid], m_fields[valid].width)) ++valid;
    row.borrow(values.first(valid), gap);
    if (valid == values.size())
        return {};
    return tooLong(checkedPosition(valid));
}

bool PayToTable::fits(std::size_t position, std::string_view text) const {
    return fitsWidth(text, fieldWidth(position));
}

std::size_t PayToTable::memoryBytes() const {
    std::size_t bytes = m_rows.capacity() * sizeof(Row) + m_keptBytes;
    for (const Row& row : m_rows) bytes += row.byteSize();
    return bytes;
}

void PayToTable::clearRows() {
    m_rows.clear();
    m_cursor = 0;
    m_deletedAtCursor = false;
    m_keptTexts.clear();
    m_keptBytes = 0;
}

void PayToTable::requireOpen() const {
    if (!m_open)
        throw VendorPayToError("the pay-to table is not open");
}

const PayToTable::Row& PayToTable::currentRow() const {
    requireOpen();
    if (m_deletedAtCursor || m_cursor >= m_rows.size()) {
        throw VendorPayToError("no current row");
    }
    return m_rows[m_cursor];
}

PayToTable::Row& PayToTable::currentRow() {
    requireOpen();
    if (m_deletedAtCursor || m_cursor >= m_rows.size()) {
        throw VendorPayToError("no current row");
    }
    return m_rows[m_cursor];
}

std::string PayToTable::tooLong(std::size_t position) const {
    return text::concat({"value longer than ", std::to_string(fieldWidth(position)),
                         " characters for field ", fieldName(position)});
}

std::size_t PayToTable::checkedPosition(std::size_t position) const {
    if (position >= m_fields.size()) {
        throw VendorPayToError("no field at position " + std::to_string(position));
    }
    return position;
}

}  // namespace xkr
