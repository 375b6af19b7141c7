// The menus "&Forms", "Java-Skript" and "&PHP" of the HTML window as catalogue data.
#include "HtmlCatalogues.h"

namespace {

using enum TCatalogueAction;

// The sample texts that are ours to choose: the host of the form's action (example.com, kept
// for examples), the program names of the check box and radio buttons, the names split by
// "Split" and the prompt of "function".

constexpr TCatalogueEntry FormItems[] = {
    {"MnInsertForm",
     "Form",
     "",
     Lines,
     "<form name=\"Anmeldung\" method=\"get\" "
     "action=\"http://www.example.com/scripte/php/test.php\" >\n\n</form>"},
    {"MnFieldsetLegend",
     "Fieldset / Legend",
     "",
     Lines,
     "<fieldset>\n  <legend>Überschrift</legend>\n</fieldset>"},
    {"MnInsertLabel",
     "Label",
     "",
     Lines,
     "<label> Username\n  <!-- Formular-Element -->\n</label>\n<br />\n<br />"},
    {"MnInsertTextfeld",
     "Textfeld",
     "",
     Lines,
     R"~(<input type="text" name="name1" placeholder="Vorgabetext(placeholder)" value="Vorgabetext" size="12"   autofocus="autofocus"  required="required"/>)~"},
    {"MnInsertTextfeldPattern",
     "Textfeld pattern",
     "",
     Lines,
     R"~(<!--  IP-Adresse  pattern="[0-9]{1,3}.[0-9]{1,3}.[0-9]{1,3}" --> )~"
     "\n"
     R"~(<!--  Name: pattern="[A-Z][a-z]{1,30}" --> )~"
     "\n"
     R"~(<input type="text" name="name1" placeholder="Vorgabetext(placeholder)" pattern="[0-9]{1,3}.[0-9]{1,3}.[0-9]{1,3}" value="Vorgabetext" size="12"   autofocus="autofocus"  required="required"/>)~"},
    {"MnInsertMemo",
     "Textarea (mehrzeiligen Editor)",
     "",
     Lines,
     "<br />\n <!-- Moegliche Varianten von warp: a)off b)HARD  c)SOFT    -->\n"
     R"~(<textarea name="editor" rows="10" cols="50"  wrap="SOFT"> Eingabe eines Textes in einem Editor</textarea>)~"},
    {"MnInsertHidden",
     "Hidden",
     "",
     Lines,
     R"~(<input type="hidden" name="geheim" value="passwort" size=12/>)~"},
    {"MnInsertCheckBox",
     "CheckBox",
     "",
     Lines,
     R"~(<input type="checkbox" name="cad1" value="CAD1" /> FreeCAD<br />)~"},
    {"MnInsertRadioButton",
     "RadioButton",
     "",
     Lines,
     "<br />\n"
     R"~(<input type="radio" name="R1" value="CAD1" checked="checked" /> FreeCAD  <br />)~"
     "\n"
     R"~(<input type="radio" name="R1" value="CAD2"  /> LibreCAD <br />)~"
     "\n"
     R"~(<input type="radio" name="R1" value="CAD3"  /> QCAD<br />)~"},
    {"MnInsertComboBox",
     "ComboBox",
     "",
     Lines,
     "<br />\n<select name=\"objekte\" >\n  <option > Kegel </option >\n"
     "  <option selected=\"selected\" > Zylinder </option >\n  <option  > Quader </option >\n"
     "</select>"},
    {"MnInsertHTML5_number",
     "HTML5: number",
     "",
     Lines,
     R"~(1. Zahl <input type="number" name="zahl1" value="zahl1" /> <br />)~"},
    {"MnInsertHTML5_range",
     "HTML5: range",
     "",
     Lines,
     R"~(<input type="range" name="range1" min="10" max="100" step="5" value="55" />)~"
     "\n"
     R"~(<output name="range1_output" onforminput="value=range1.value"> 55 </output> <br />)~"},
    {"MnInsertHTML5_color",
     "HTML5:color",
     "",
     Lines,
     R"~(Farbdialog: <input type="color" name="color1" value="color1" /> <br />)~"},
    {"MnInsertHTML5_date",
     "HTML5: date",
     "",
     Lines,
     R"~( 1. Datum: <input type="date" name="datum1" value="datum1" /><br />)~"},
    {"MnInsertSubmitSchalter",
     "Submit-Schalter",
     "",
     Lines,
     R"~(<input type="submit" value="senden" />)~"},
    {"MnInsertButtonSchalter",
     "Button-Schalter",
     "",
     Lines,
     R"~(<input type="button" value= "senden" onclick="calc(this.form)"/>)~"},
    {"BnInsertResetButton",
     "Reset-Button",
     "",
     Lines,
     R"~(<input type="reset" value="L&#246;schen"/><br />)~"},
    {"MnInsertFormKomplettBeispiel",
     "Komplett Beispiel",
     "",
     Lines,
     "<form>\n  <fieldset>\n   <legend>Überschrift</legend>\n   <label> Eingabe\n"
     R"~(     <input type="text" name="eingabe"  placeholder="Vorgabetext(placeholder)" value="Vorgabetext" size="14" maxlength="10" autofocus="autofocus"  required="required" />)~"
     "\n   </label>\n   <br />\n   <br />\n   <input type=\"submit\" value=\"senden\" />\n"
     "  <input type=\"reset\" value=\"L&#246;schen\"/><br />\n  <br />\n </fieldset>\n</form>"},
};

constexpr TCatalogueEntry EventItems[] = {
    {"MnEvent_onload", "onload", "", Lines, "onLoad=\"\""},
    {"MnEvent_onUnload", "onUnload", "", Lines, "onUnload=\"\""},
    {"MnEvent_onClick", "onClick", "", Lines, "onClick=\"\""},
    {"MnEvent_onDblclick", "onDblclick", "", Lines, "onDBLclick=\"\""},
    {"MnEvent_onMouseDown", "onMouseDown", "", Lines, "onMouseDown=\"\""},
    {"MnEvent_onMouseUp", "onMouseUp", "", Lines, "onMouseUp=\"\""},
    {"MnEvent_onMouseOver", "onMouseOver", "", Lines, "onMouseOver=\"\""},
    {"MnEvent_onMouseMove", "onMouseMove", "", Lines, "onMouseMove=\"\""},
    {"MnEvent_onMouseOut", "onMouseOut", "", Lines, "onMouseOut=\"\""},
    {"MnEvent_onFocus", "onFocus", "", Lines, "onFocus=\"\""},
    {"MnEvent_onBlur", "onBlur (outFocus)", "", Lines, "=onBlur\"\""},
    {"MnEvent_onKeypress", "onKeypress", "", Lines, "onKeypress=\"\""},
    {"MnEvent_onKeydown", "onKeydown", "", Lines, "onKeydown=\"\""},
    {"MnEvent_onKeyup", "onKeyup", "", Lines, "onKeyup=\"\""},
    {"MnEvent_onSubmit", "onSubmit", "", Lines, "onSubmit=\"\""},
    {"MnEvent_onReset", "onReset", "", Lines, "onReset=\"\""},
    {"MnEvent_onSelect", "onSelect", "", Lines, "onSelect=\"\""},
    {"MnEvent_onChange", "onChange", "", Lines, "onChange=\"\""},
};

constexpr TCatalogueEntry JavaScriptItems[] = {
    {"MnJava_script",
     "Java-Script Abschnitt einfügen",
     "",
     Lines,
     "<!--  Muss in den Header-Abschnitt -->\n    <script type=\"text/javascript\">\n"
     "       // <![CDATA[\n      \"use strict\"\n      function  f( form ) {\n"
     "        \"use strict\"\n         alert (\"hier in f\") ;\n      }\n      // ]]>\n"
     "    </script>\n"},
    {"MnJava_function",
     "function",
     "",
     FunctionName,
     "function %1() {\n  \"use strict\"\n\nreturn;\n}\n",
     "Name der Funktion:"},
    {"Mnconsolelog", "console.log", "", Lines, R"~(console.log( "hier beim Punkt1" );)~"},
    {"", "-", "", Inactive},
    {"MnJava_if", "if", "", Lines, "if() {\n\n}"},
    {"MnJava_ifelse", "if else", "", Lines, "if() {\n\n} else {\n\n}"},
    {"MnJava_do", "do...while", "", Lines, "do {\n\n} while();"},
    {"MnJava_while", "while", "", Lines, "while() {\n\n}"},
    {"MnJava_for", "for", "", Lines, "for ( ; ; ) {\n\n}"},
    {"MnJava_for_i", "for(i)", "", Lines, "for (i=; i< ; i++ ) {\n\n}"},
    {"MnJava_switch", "switch", "", Lines, "switch () {\n\ndefault:\n}"},
    {"", "-", "", Inactive},
    {"MnparseInt", "parseInt", "", Lines, "var n = parseInt(sn);"},
    {"MnparseFloat", "parseFloat", "", Lines, "var n = parseInt(sn,10);"},
    {"MnisNaN", "isNaN", "", Lines, "if ( isNaN(sn) ) {\n  \n}\nelse  {\n  \n}"},
    {"MnKomma2Point", "Komma 2 Point", "", Lines, R"~(sn = sn.replace( /,/,"." );)~"},
    {"MntoFixed", "toFixed (Nachkommazahlen)", "", Lines, "var erg = x.toFixed(3);"},
    {"MnSplit",
     "Split (Trennen, Ergebnis als Array)",
     "",
     Lines,
     "var musik = \"Jazz;Blues;Rock\";\nvar values = musik.split(\";\");\n"
     "var erg1 = values[0];\nvar erg2 = values[1];\nvar erg3 = values[2];"},
    {"", "-", "", Inactive},
    {"MnJava_Events", "Events", "", Submenu, "", "", EventItems},
    // Does nothing, so it is shown disabled.
    {"MnInsertPopupfenster", "Popupfenster einfügen", "", Inactive},
};

constexpr TCatalogueEntry PhpItems[] = {
    {"MnPHPAbschnitt", "PHP-Abschnitt", "", Lines, "<?php\n\n?>"},
    {"MnIsSet",
     "isset",
     "",
     Lines,
     "if ( isset($_GET['vorname']) ){\t\t //\tIst gesetzt?\n  $vorname = $_GET['vorname'];\n}"},
    {"MnIsNumeric",
     "is_numeric",
     "",
     Lines,
     "  if (is_numeric($sZahl)) {\n     $Zahl = intval ( $sZahl, 10 );\n  } else {\n"
     "     echo \"Konvertierungsfehler: Die Variable '?\?\?' ist keine Zahl\", PHP_EOL;\n  }"},
    {"Mnintval", "intval", "", Lines, "  $Zahl = intval ( $sZahl );"},
    {"MnEchoText",
     "echo text",
     "",
     Lines,
     R"~(  echo "<p>Hier kommt ein Text in der HTML-Datei</p>",PHP_EOL;)~"},
    {"echoText_Variable",
     "echo text und Variable",
     "",
     Lines,
     "  $Zahl=42;\n"
     R"~(  echo "<p>Zahl: $Zahl</p>\r\n",PHP_EOL;)~"},
    {"echoText_Variable_Trennung",
     "echo text und Variable, Trennung",
     "",
     Lines,
     "  $Zahl=42;\n"
     R"~(  echo "<p>Zahl: " . $Zahl . "</p>",PHP_EOL;)~"},
};

} // namespace

TCatalogueMenu FormsMenu()
{
    return {"MnForms", "&Forms", 3, FormItems};
}

TCatalogueMenu JavaScriptMenu()
{
    return {"MnJavaSkript", "Java-Skript", 3, JavaScriptItems};
}

TCatalogueMenu PhpMenu()
{
    return {"MnPHP", "&PHP", 3, PhpItems};
}

std::vector<TCatalogueMenu> HtmlCatalogueMenus()
{
    return {HtmlInsertMenu(), FontMenu(), CssSnippetMenu(), FormsMenu(), JavaScriptMenu(), PhpMenu()};
}
