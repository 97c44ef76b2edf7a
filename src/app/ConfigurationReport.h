#pragma once

#include "ReportContent.h"
#include "ReportValues.h"

#include <QCoreApplication>

struct CatalogueField;

// The tables of a report on the whole configuration, as a customer reads it:
// the general settings, the zones in one table with a column per zone, and
// only the groups, users, channels and texts the panel uses.
class ConfigurationReport final {
    Q_DECLARE_TR_FUNCTIONS(ConfigurationReport)

public:
    using Table = ReportContent::Table;
    using Row = ReportContent::Row;

    // The report on the source's configuration.
    static ReportContent of(const ReportContent::Source& source, const ReportContent::Options& options);

private:
    ConfigurationReport(const PagesImage& pages, const ReportContent::Options& options);

    QList<Table> tables() const;
    Table general() const;
    Table zones() const;
    Table groups() const;
    Table users() const;
    Table channels() const;
    QList<Table> texts() const;

    // A row of the field's caption and value; none for a field kept for the
    // panel itself, unless the report is to be detailed.
    void addField(Table& table, const CatalogueField& field) const;
    void addField(Table& table, const QString& key) const;
    void addSmsChannel(Table& table) const;

    bool smsInUse() const;
    bool keyboardConnected() const;
    bool zoneOn(int zone) const;
    // The group table's entries up to the first empty one, as the panel reads it.
    QList<int> groupEntries() const;

    const ConfigImage& m_image;
    ReportContent::Options m_options;
    ReportValues m_values;
};
