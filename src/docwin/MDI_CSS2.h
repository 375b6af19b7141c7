#pragma once

#include "FHTMLFrame.h"

// The CSS document window: a style sheet or any other text file that is not an HTML or PHP
// page, with the colour view (CSS colouring) and the plain view.
class TFMDI_CSS2 : public TFHTMLFrame
{
    Q_OBJECT

public:
    explicit TFMDI_CSS2(QWidget *parent = nullptr);

    // Loads the file when it exists. Otherwise, with the create flag, writes a new style sheet
    // with the basic rule block under that name at once; without it, starts "noname". False
    // when the file exists but cannot be read (the reason was shown).
    bool OpenDocument(const QString &fileName, bool create);
    bool LoadFile(const QString &path) override;
    TSaveResult SaveDocumentAs() override;
    void SetColourView(bool colour) override;
    void HandleDocCommand(TDocCommand command) override;
    // The page shown is the main page or the HTML page beside the style sheet, never the sheet.
    void RunCommand(TRunCommand command) override;
    // Undo shows the ring's position in the caption.
    void UndoCommand() override;

private:
    void CreateMenus();
};
