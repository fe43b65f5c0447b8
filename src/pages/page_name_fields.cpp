#include "pages/page_name_fields.h"

#include "site/name_cleaning.h"

namespace {

// Working files of the program whose names a cleaned page name could take.
const QStringList ScratchNames = {QStringLiteral("uperdyup")};

Result refuse(PageNameFields& fields, PageNameFields::Field field, const QString& message) {
    fields.focus = field;
    return Result::failure(message);
}

} // namespace

Result CheckPageNameFields(const SiteState& state, PageNameFields& fields, int ownIndex) {
    using Field = PageNameFields::Field;
    fields.Label = fields.Label.trimmed();
    fields.FileName = CleanPageFileName(fields.FileName);
    fields.focus = Field::None;
    if (fields.FileName.isEmpty())
        return refuse(fields, Field::FileName, QStringLiteral("You must enter a file name."));
    if (fields.Label.isEmpty())
        return refuse(fields, Field::Label, QStringLiteral("You must enter a label."));
    for (int i = 0; i < state.pageCount(); ++i)
        if (i != ownIndex &&
            state.PageSelector.at(i).compare(fields.FileName, Qt::CaseInsensitive) == 0)
            return refuse(fields, Field::FileName,
                          QStringLiteral("A page with the file name \"%1\" already exists. "
                                         "Please choose another file name.")
                              .arg(fields.FileName));
    if (ScratchNames.contains(fields.FileName, Qt::CaseInsensitive))
        return refuse(fields, Field::FileName,
                      QStringLiteral("The file name \"%1\" is used by the program itself. "
                                     "Please choose another file name.")
                          .arg(fields.FileName));
    return Result::success();
}
