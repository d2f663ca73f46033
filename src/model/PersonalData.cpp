#include "PersonalData.h"

namespace {
constexpr QString PersonalData::*Members[] = {
    &PersonalData::CustomerNumber, &PersonalData::Company, &PersonalData::Contact,
    &PersonalData::Address, &PersonalData::Postcode, &PersonalData::Town,
    &PersonalData::Telephone, &PersonalData::Fax, &PersonalData::ProjectDescription,
    &PersonalData::EMail, &PersonalData::MailServer,
};
static_assert(std::size(Members) == LastPersonalField - FirstPersonalField + 1);
}

PersonalData PersonalData::from(const PersonalFields &fields)
{
    PersonalData d;
    for (int i = FirstPersonalField; i <= LastPersonalField; ++i)
        d.*Members[i - FirstPersonalField] = fields.personalField(i);
    return d;
}

QString PersonalData::field(int index) const
{
    if (index < FirstPersonalField || index > LastPersonalField) return QString();
    return this->*Members[index - FirstPersonalField];
}
