#pragma once
// The user's personal and mail data, fields 2 to 12 of the main screen (customer number, company,
// contact, address, postcode, town, telephone, fax, project description, e-mail address, mail server).
// The project file and the drawing export read and write them through this interface; the main
// screen implements it on its text fields, a test with PersonalFieldsStore.
#include <QString>
#include <array>

constexpr int FirstPersonalField = 2;
constexpr int LastPersonalField = 12;
constexpr int EMailField = 11;
constexpr int MailServerField = 12;

class PersonalFields {
public:
    virtual ~PersonalFields() = default;
    virtual QString personalField(int index) const = 0;
    virtual void setPersonalField(int index, const QString &text) = 0;
};

class PersonalFieldsStore final : public PersonalFields {
public:
    QString personalField(int index) const override { return inRange(index) ? fields[index] : QString(); }
    void setPersonalField(int index, const QString &text) override
    {
        if (inRange(index)) fields[index] = text;
    }

private:
    static bool inRange(int i) { return i >= FirstPersonalField && i <= LastPersonalField; }
    std::array<QString, LastPersonalField + 1> fields;
};
