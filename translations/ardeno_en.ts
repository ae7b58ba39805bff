<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="cs_CZ">
<context>
    <name>Ardeno</name>
    <message>
        <source>&amp;Zavřít</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Tisk </source>
        <translation>&amp;Print </translation>
    </message>
    <message>
        <source>&amp;Skvrny</source>
        <translation>&amp;Spots</translation>
    </message>
    <message>
        <source>&amp;Fakule</source>
        <translation>&amp;Faculae</translation>
    </message>
    <message>
        <source>&amp;Celek</source>
        <translation>&amp;Whole</translation>
    </message>
    <message>
        <source>Výška skvrn</source>
        <translation>Spot height</translation>
    </message>
    <message>
        <source>Výška vyhlazená</source>
        <translation>Smoothed height</translation>
    </message>
    <message>
        <source>Ohraničení</source>
        <translation>Bounds</translation>
    </message>
    <message>
        <source>Kreslit vše </source>
        <translation>Draw all </translation>
    </message>
    <message>
        <source>Podkreslit</source>
        <translation>Underlay</translation>
    </message>
    <message>
        <source>Podkreslit koronu</source>
        <translation>Underlay the corona</translation>
    </message>
    <message>
        <source>&amp;Doplňková data</source>
        <translation>&amp;Supplementary data</translation>
    </message>
    <message>
        <source>Zapnout</source>
        <translation>On</translation>
    </message>
    <message>
        <source>&amp;Stupnice</source>
        <translation>&amp;Scale</translation>
    </message>
    <message>
        <source>Podkreslit koronou</source>
        <translation>Underlay with the corona</translation>
    </message>
    <message>
        <source>Nekreslit koronu</source>
        <translation>Do not draw the corona</translation>
    </message>
    <message>
        <source>Vypnout</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Heliografické souřadnice pro rok  </source>
        <translation>Heliographic coordinates for the year  </translation>
    </message>
    <message>
        <source>Heliografické souřadnice</source>
        <translation>Heliographic coordinates</translation>
    </message>
    <message>
        <source>Měřítko tabulky</source>
        <translation>Table scale</translation>
    </message>
    <message>
        <source>Uložit obr.</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Posuv nahoru </source>
        <translation>Move up </translation>
    </message>
    <message>
        <source>Měřítko</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Měřítko v šestnáctinách (16 = 1:1)</source>
        <translation>Scale in sixteenths (16 = 1:1)</translation>
    </message>
    <message>
        <source>Tisk se nepodařilo zahájit.</source>
        <translation>Printing could not be started.</translation>
    </message>
    <message>
        <source>č. sku.</source>
        <translation>grp.no</translation>
    </message>
    <message>
        <source>Plocha fakulí</source>
        <translation>Facular area</translation>
    </message>
    <message>
        <source>Data (*.dat);;Všechny soubory (*)</source>
        <translation>Data (*.dat);;All files (*)</translation>
    </message>
    <message>
        <source>Znaky před </source>
        <translation>Characters before </translation>
    </message>
    <message>
        <source>Kvalita jpg</source>
        <translation>JPG quality</translation>
    </message>
    <message>
        <source>Slučování dataxů</source>
        <translation>Merging data files</translation>
    </message>
    <message>
        <source>Vybrat soubor pro přidání</source>
        <translation>Choose a file to add</translation>
    </message>
    <message>
        <source>Sloučit</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tisk výce zákresů najednou od aktuálního</source>
        <translation>Print several drawings at once from the current one</translation>
    </message>
    <message>
        <source>Poly tisk</source>
        <translation>Multi print</translation>
    </message>
    <message>
        <source>počet</source>
        <translation>count</translation>
    </message>
    <message>
        <source>Při oboustranném tisku , zapnout v panelu tiskárny. </source>
        <translation>For double-sided printing, switch it on in the printer panel. </translation>
    </message>
    <message>
        <source> Č. skupiny</source>
        <translation> Group no.</translation>
    </message>
    <message>
        <source>Vzdál. stup.</source>
        <translation>Dist. deg.</translation>
    </message>
    <message>
        <source>Uložit zákresy  jako BMP od --- do </source>
        <translation>Save drawings as BMP from --- to </translation>
    </message>
    <message>
        <source>Uložit zákresy   JPG  od --- do </source>
        <translation>Save drawings as JPG from --- to </translation>
    </message>
    <message>
        <source>Uložit bitmapu zákresu</source>
        <translation>Save the drawing&apos;s bitmap</translation>
    </message>
    <message>
        <source>Soubor dat s fakulemi</source>
        <translation>Data file with faculae</translation>
    </message>
    <message>
        <source>Soubor nelze přečíst: </source>
        <translation>The file cannot be read: </translation>
    </message>
    <message>
        <source>Okno pro měření plochy skupiny </source>
        <translation>Window for measuring a group&apos;s area </translation>
    </message>
    <message>
        <source>Hodnoty v mm^2 </source>
        <translation>Values in mm^2 </translation>
    </message>
    <message>
        <source>Ukončit vyplnění</source>
        <translation>Finish filling</translation>
    </message>
    <message>
        <source>Průběžné</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Průběžná plocha </source>
        <translation>Running area </translation>
    </message>
    <message>
        <source>Síla čary</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>Zadání souřadnic</source>
        <translation>Entering coordinates</translation>
    </message>
    <message>
        <source>Zadej souřadnice skupin</source>
        <translation>Enter the groups&apos; coordinates</translation>
    </message>
    <message>
        <source>Polární souřadnice -projekcí</source>
        <translation>Polar coordinates - projection</translation>
    </message>
    <message>
        <source>Poloměr zákresu</source>
        <translation>Drawing radius</translation>
    </message>
    <message>
        <source>Potvrdit</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Nebyl zvolen typ souřednic</source>
        <translation>No kind of coordinates was chosen</translation>
    </message>
    <message>
        <source>Poloměr zákresu musí být číslo od 1 do 999 (mm)</source>
        <translation>The drawing radius must be a number from 1 to 999 (mm)</translation>
    </message>
    <message>
        <source>Jméno pozorovatele</source>
        <translation>Observer&apos;s name</translation>
    </message>
    <message>
        <source>Skupiny</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>Fakule</source>
        <translation>Faculae</translation>
    </message>
    <message>
        <source>Výběr datumu</source>
        <translation>Choice of date</translation>
    </message>
    <message>
        <source>Celkový  Sever  Jih   -</source>
        <translation>Whole  North  South   -</translation>
    </message>
    <message>
        <source>Celkový   -</source>
        <translation>Whole   -</translation>
    </message>
    <message>
        <source>Sever   -</source>
        <translation>North   -</translation>
    </message>
    <message>
        <source>Jih   -</source>
        <translation>South   -</translation>
    </message>
    <message>
        <source>&amp;Výběr grafu</source>
        <translation>&amp;Graph choice</translation>
    </message>
    <message>
        <source>&amp;Typ zobrazení</source>
        <translation>&amp;View type</translation>
    </message>
    <message>
        <source>&amp;Graf</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>Celé okno</source>
        <translation>Whole window</translation>
    </message>
    <message>
        <source>Uložit jednotlivě</source>
        <translation>Save one by one</translation>
    </message>
    <message>
        <source>Uložit všechny obrázky</source>
        <translation>Save all pictures</translation>
    </message>
    <message>
        <source>Nelze vytvořit složku Obrázek</source>
        <translation>The folder Obrázek cannot be created</translation>
    </message>
    <message>
        <source>Obrázek se nepodařilo uložit do souboru </source>
        <translation>The picture could not be saved to the file </translation>
    </message>
    <message>
        <source>Uloží se všechny grafy</source>
        <translation>All graphs will be saved</translation>
    </message>
    <message>
        <source> Asymetrie  sever-jih   graf  -  </source>
        <translation> North-south asymmetry   graph  -  </translation>
    </message>
    <message>
        <source>Tisknout do  roku </source>
        <translation>Print up to the year </translation>
    </message>
    <message>
        <source>Posouvání koeficientu  brusel</source>
        <translation>Shifting the Brussels coefficient</translation>
    </message>
    <message>
        <source>Denní relativní čísla SIDC nejsou načtena</source>
        <translation>SIDC daily relative numbers are not loaded</translation>
    </message>
    <message>
        <source>&amp;Křivka</source>
        <translation>&amp;Curve</translation>
    </message>
    <message>
        <source>&amp;Asymetrie</source>
        <translation>&amp;Asymmetry</translation>
    </message>
    <message>
        <source>Rozdílová  asym</source>
        <translation>Difference  asym</translation>
    </message>
    <message>
        <source>Podílová  asym</source>
        <translation>Ratio  asym</translation>
    </message>
    <message>
        <source>Stupnice</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Brusel R</source>
        <translation>Brussels R</translation>
    </message>
    <message>
        <source>Porovnání</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Zvětšovat</source>
        <translation>Enlarge</translation>
    </message>
    <message>
        <source>Uložit všechny grafy</source>
        <translation>Save all graphs</translation>
    </message>
    <message>
        <source>Tisk </source>
        <translation>Print </translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Šířku</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Výšku</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Výběr toku</source>
        <translation>Flux choice</translation>
    </message>
    <message>
        <source>Vyberte křivky k porovnání</source>
        <translation>Choose the curves to compare</translation>
    </message>
    <message>
        <source>Porovnání   vyhlazených  křivek</source>
        <translation>Comparison   of smoothed  curves</translation>
    </message>
    <message>
        <source>Šířka a výška musí být celá čísla od 1 do %1</source>
        <translation>Width and height must be whole numbers from 1 to %1</translation>
    </message>
    <message>
        <source>Tisknout do roku: zadejte rok od %1</source>
        <translation>Print up to the year: enter a year from %1</translation>
    </message>
    <message>
        <source>Východní</source>
        <translation>Eastern</translation>
    </message>
    <message>
        <source>Západní</source>
        <translation>Western</translation>
    </message>
    <message>
        <source>Korona </source>
        <translation>Corona </translation>
    </message>
    <message>
        <source>Východ</source>
        <translation>East</translation>
    </message>
    <message>
        <source>Západ</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Číslo rotace  </source>
        <translation>Rotation number  </translation>
    </message>
    <message>
        <source>Rok </source>
        <translation>Year </translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Počítá se</source>
        <translation>Computing</translation>
    </message>
    <message>
        <source> &amp;Rotace</source>
        <translation> &amp;Rotation</translation>
    </message>
    <message>
        <source>Mapa otočky</source>
        <translation>Rotation map</translation>
    </message>
    <message>
        <source>Dlouhá  mapa</source>
        <translation>Long  map</translation>
    </message>
    <message>
        <source>Vysoká  mapa</source>
        <translation>High  map</translation>
    </message>
    <message>
        <source>Dvě nadsebou</source>
        <translation>Two above each other</translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Korona</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Korona Graf</source>
        <translation>Corona graph</translation>
    </message>
    <message>
        <source>Korona motýl</source>
        <translation>Corona butterfly</translation>
    </message>
    <message>
        <source>Korona skutečná</source>
        <translation>Real corona</translation>
    </message>
    <message>
        <source>Korona pod mapu</source>
        <translation>Corona under the map</translation>
    </message>
    <message>
        <source>Srovnávání</source>
        <translation>Comparing</translation>
    </message>
    <message>
        <source>Zapnout vypnout fakule</source>
        <translation>Faculae on/off</translation>
    </message>
    <message>
        <source>Zapnout vypnout plochy</source>
        <translation>Areas on/off</translation>
    </message>
    <message>
        <source>Zmenšit</source>
        <translation>Reduce</translation>
    </message>
    <message>
        <source>Zapnout - vypnout koronu</source>
        <translation>Corona on/off</translation>
    </message>
    <message>
        <source>Zapnout vypnout magnetosféru</source>
        <translation>Magnetosphere on/off</translation>
    </message>
    <message>
        <source>Zapnout vypnout obrázek magnetosféry</source>
        <translation>Magnetosphere picture on/off</translation>
    </message>
    <message>
        <source>Zvětšit</source>
        <translation>Enlarge</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Horní</source>
        <translation>Upper</translation>
    </message>
    <message>
        <source>Dolní</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>Posuv v otočkách</source>
        <translation>Shift in rotations</translation>
    </message>
    <message>
        <source>Lupa</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>Střed</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Sever</source>
        <translation>North</translation>
    </message>
    <message>
        <source>Osa Slunce</source>
        <translation>Solar axis</translation>
    </message>
    <message>
        <source>Bod na ose rotace Slunce (místo severu)</source>
        <translation>Point on the Sun&apos;s rotation axis (instead of north)</translation>
    </message>
    <message>
        <source> Není nutné zadávání středu a sevsru . Hodnoty jsou již zadány.</source>
        <translation> The centre and north need not be entered. The values are already set.</translation>
    </message>
    <message>
        <source>Měření fakulí</source>
        <translation>Measuring faculae</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Vybrat obrázek zákresu </source>
        <translation>Choose a picture of a drawing </translation>
    </message>
    <message>
        <source>Zvětšit obrázek</source>
        <translation>Enlarge the picture</translation>
    </message>
    <message>
        <source>Zmenšit obrázek</source>
        <translation>Reduce the picture</translation>
    </message>
    <message>
        <source>Nový  zákres</source>
        <translation>New drawing</translation>
    </message>
    <message>
        <source>Záhlaví nového zákresu; skupiny se pak zadají z obrázku</source>
        <translation>Header of a new drawing; the groups are then entered from the picture</translation>
    </message>
    <message>
        <source>Param- Fakule</source>
        <translation>Faculae</translation>
    </message>
    <message>
        <source>Param skvrny</source>
        <translation>Spots</translation>
    </message>
    <message>
        <source>Skrýt výběr</source>
        <translation>Hide marks</translation>
    </message>
    <message>
        <source>Zobrazit výběr</source>
        <translation>Show marks</translation>
    </message>
    <message>
        <source>Lupa u ukazatele myši</source>
        <translation>Magnifier at the mouse pointer</translation>
    </message>
    <message>
        <source>Orientace zákresu</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Horizontálně</source>
        <translation>Horizontally</translation>
    </message>
    <message>
        <source>Vertikálně</source>
        <translation>Vertically</translation>
    </message>
    <message>
        <source>Určení středu</source>
        <translation>Finding the centre</translation>
    </message>
    <message>
        <source>Určení severu </source>
        <translation>Finding north </translation>
    </message>
    <message>
        <source>Vybrat obrázek zákresu</source>
        <translation>Choose a picture of a drawing</translation>
    </message>
    <message>
        <source>Obrázky JPG (*.jpg *.jpeg *.JPG *.JPEG);;Všechny soubory (*)</source>
        <translation>JPG pictures (*.jpg *.jpeg *.JPG *.JPEG);;All files (*)</translation>
    </message>
    <message>
        <source>Označ střed</source>
        <translation>Mark the centre</translation>
    </message>
    <message>
        <source>Vyber polohu středu</source>
        <translation>Choose the centre&apos;s position</translation>
    </message>
    <message>
        <source>Označ sever</source>
        <translation>Mark north</translation>
    </message>
    <message>
        <source>Severní okraj</source>
        <translation>Northern edge</translation>
    </message>
    <message>
        <source>x=%1   y=%2</source>
        <translation>x=%1   y=%2</translation>
    </message>
    <message>
        <source>Zápis do zákresu </source>
        <translation>Writes to </translation>
    </message>
    <message>
        <source>Není vybrán zákres</source>
        <translation>No drawing is chosen</translation>
    </message>
    <message>
        <source>Nejprve je třeba označit na obrázku střed a sever (nebo osu Slunce).</source>
        <translation>First mark the centre and north (or the solar axis) on the picture.</translation>
    </message>
    <message>
        <source>Nebyla zapsána žádná skupina, záznam se nemění.</source>
        <translation>No group was written; the record does not change.</translation>
    </message>
    <message>
        <source>Nebyl zadán žádný obrys fakule, záznam se nemění.</source>
        <translation>No facula outline was entered; the record does not change.</translation>
    </message>
    <message>
        <source>Pořadové číslo skupiny je nula</source>
        <translation>The group&apos;s serial number is zero</translation>
    </message>
    <message>
        <source>Prvně je třeba zadat souřadnice skvrny<byte value="xd"/>              nebo druhotné skvrny !</source>
        <translation>First enter the spot&apos;s coordinates</translation>
    </message>
    <message>
        <source>Souřadnice se zadají kliknutím na zákres</source>
        <translation>The coordinates are entered by clicking on the drawing</translation>
    </message>
    <message>
        <source>Hodnota plochy se zadává v mm^2 na průměr zakresu</source>
        <translation>The area is entered in mm^2 on the drawing&apos;s diameter</translation>
    </message>
    <message>
        <source>Zapiš skupinu</source>
        <translation>Write the group</translation>
    </message>
    <message>
        <source>Měřeni plochy skupiny</source>
        <translation>Measuring a group&apos;s area</translation>
    </message>
    <message>
        <source>Zadávání fakulí</source>
        <translation>Entering faculae</translation>
    </message>
    <message>
        <source>Číslo fakule</source>
        <translation>Facula number</translation>
    </message>
    <message>
        <source>Bod</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Úhel</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Čára</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Konec zadání fakulí</source>
        <translation>End of entering faculae</translation>
    </message>
    <message>
        <source>Měření skupin</source>
        <translation>Measuring groups</translation>
    </message>
    <message>
        <source>Zadání skupiny</source>
        <translation>Entering a group</translation>
    </message>
    <message>
        <source>Pořadí skupiny</source>
        <translation>Group order</translation>
    </message>
    <message>
        <source>Zvolit  H -hlavní  1. vedlejší  2. vedlejší</source>
        <translation>Choose  H - main  1. secondary  2. secondary</translation>
    </message>
    <message>
        <source>Konec zadávání skvrn</source>
        <translation>End of entering spots</translation>
    </message>
    <message>
        <source>1  č.bodu</source>
        <translation>1  pt. no.</translation>
    </message>
    <message>
        <source>  č.bodu</source>
        <translation>  pt. no.</translation>
    </message>
    <message>
        <source>Zapsano</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>Měří se plocha</source>
        <translation>Measuring the area</translation>
    </message>
    <message>
        <source>Číslo otočky</source>
        <translation>Rotation number</translation>
    </message>
    <message>
        <source>Výsledky    vývoj skupin</source>
        <translation>Results    group evolution</translation>
    </message>
    <message>
        <source>Výsledky    velikost skupin</source>
        <translation>Results    group size</translation>
    </message>
    <message>
        <source>Výsledky    údaje pro mapu</source>
        <translation>Results    data for the map</translation>
    </message>
    <message>
        <source>Od zvoleného řádku není co tisknout.</source>
        <translation>Nothing to print from the chosen row.</translation>
    </message>
    <message>
        <source>Tiskárnu nelze použít.</source>
        <translation>The printer cannot be used.</translation>
    </message>
    <message>
        <source>Stránka %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Počet skupin</source>
        <translation>Number of groups</translation>
    </message>
    <message>
        <source>Výška průměrná</source>
        <translation>Mean height</translation>
    </message>
    <message>
        <source>Okraje</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>Počet skupin v jednom typu</source>
        <translation>Number of groups of one type</translation>
    </message>
    <message>
        <source>   naměřená</source>
        <translation>   measured</translation>
    </message>
    <message>
        <source>vyhlazená</source>
        <translation>smoothed</translation>
    </message>
    <message>
        <source>Seřazení skupin podle velikosti za jeden rok</source>
        <translation>Groups sorted by size for one year</translation>
    </message>
    <message>
        <source>Rok</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Uložení dat asimetrie do textového souboru ?</source>
        <translation>Save the asymmetry data to a text file?</translation>
    </message>
    <message>
        <source>Data asymetrie jsou uložena do souboru Polohy-skupin/%1</source>
        <translation>The asymmetry data are saved in the file Polohy-skupin/%1</translation>
    </message>
    <message>
        <source>Výsledky    Data asymetrie   </source>
        <translation>Results    Asymmetry data   </translation>
    </message>
    <message>
        <source>Uložení dat východ-západ do textového souboru ?</source>
        <translation>Save the east-west data to a text file?</translation>
    </message>
    <message>
        <source>Polohy skupin jsou uloženy do souboru Polohy-skupin/%1</source>
        <translation>The group positions are saved in the file Polohy-skupin/%1</translation>
    </message>
    <message>
        <source>Skupiny typu: %1</source>
        <translation>Groups of type: %1</translation>
    </message>
    <message>
        <source>Observatoř</source>
        <translation>Observatory</translation>
    </message>
    <message>
        <source>Přístroj</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Průměr/ohnisko</source>
        <translation>Aperture/focal length</translation>
    </message>
    <message>
        <source>Okulár</source>
        <translation>Eyepiece</translation>
    </message>
    <message>
        <source>    Stránka %1</source>
        <translation>    Page %1</translation>
    </message>
    <message>
        <source>naměřené</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>vyhlazené</source>
        <translation>smoothed</translation>
    </message>
    <message>
        <source>celkový</source>
        <translation>whole</translation>
    </message>
    <message>
        <source>sever</source>
        <translation>north</translation>
    </message>
    <message>
        <source>jih</source>
        <translation>south</translation>
    </message>
    <message>
        <source>Výsledky    statistika - %1 - %2</source>
        <translation>Results    statistics - %1 - %2</translation>
    </message>
    <message>
        <source>Tabulka je uložena do souboru %1</source>
        <translation>The table is saved in the file %1</translation>
    </message>
    <message>
        <source>    Období   </source>
        <translation>    Period   </translation>
    </message>
    <message>
        <source>    Suma  pozorování   </source>
        <translation>    Sum of observations   </translation>
    </message>
    <message>
        <source>Výsledky    pozorovatelé</source>
        <translation>Results    observers</translation>
    </message>
    <message>
        <source>Ještě není znám žádný pozorovatel</source>
        <translation>No observer is known yet</translation>
    </message>
    <message>
        <source>Suma / průměr / průměr ze záznamů s polokoulemi</source>
        <translation>Sum / mean / mean of records with hemispheres</translation>
    </message>
    <message>
        <source>Tiskový panel</source>
        <translation>Print panel</translation>
    </message>
    <message>
        <source>Výběr typu tisku</source>
        <translation>Choice of print type</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Výsledky    bez aktivity</source>
        <translation>Results    without activity</translation>
    </message>
    <message>
        <source>Při tisku klávesou   v   zvětšit na max.</source>
        <translation>When printing with the key   v   enlarge to the maximum.</translation>
    </message>
    <message>
        <source>Výsledky  Vlastni     v= větší  m= menší  </source>
        <translation>Results  Own     v= larger  m= smaller  </translation>
    </message>
    <message>
        <source>Výsledky    oficiální</source>
        <translation>Results    official</translation>
    </message>
    <message>
        <source>Výsledky    CV výsledky   %1. %2</source>
        <translation>Results    CV results   %1. %2</translation>
    </message>
    <message>
        <source>&amp;Vlastní</source>
        <translation>&amp;Own</translation>
    </message>
    <message>
        <source>S&amp;IDC výsledky</source>
        <translation>S&amp;IDC results</translation>
    </message>
    <message>
        <source>Vývoj skupin</source>
        <translation>Group evolution</translation>
    </message>
    <message>
        <source>&amp;Pozorovatelé</source>
        <translation>&amp;Observers</translation>
    </message>
    <message>
        <source>Naměřené - celková</source>
        <translation>Measured - whole</translation>
    </message>
    <message>
        <source>Naměřené - sever</source>
        <translation>Measured - north</translation>
    </message>
    <message>
        <source>Naměřené - jih</source>
        <translation>Measured - south</translation>
    </message>
    <message>
        <source>Vyhlazené - celková</source>
        <translation>Smoothed - whole</translation>
    </message>
    <message>
        <source>Vyhlazené - sever</source>
        <translation>Smoothed - north</translation>
    </message>
    <message>
        <source>Vyhlazené - jih</source>
        <translation>Smoothed - south</translation>
    </message>
    <message>
        <source>Výskyt typů skupin</source>
        <translation>Occurrence of group types</translation>
    </message>
    <message>
        <source>Údaje pro mapu</source>
        <translation>Data for the map</translation>
    </message>
    <message>
        <source>CV výsledky</source>
        <translation>CV results</translation>
    </message>
    <message>
        <source>Velikost skupin</source>
        <translation>Group size</translation>
    </message>
    <message>
        <source>Bez aktivity</source>
        <translation>Without activity</translation>
    </message>
    <message>
        <source>Data asymetrie</source>
        <translation>Asymmetry data</translation>
    </message>
    <message>
        <source>Polohy východ - západ</source>
        <translation>East - west positions</translation>
    </message>
    <message>
        <source>Polohy východ - západ, měsíční</source>
        <translation>East - west positions, monthly</translation>
    </message>
    <message>
        <source>Polohy východ - západ, roční</source>
        <translation>East - west positions, yearly</translation>
    </message>
    <message>
        <source>Koeficienty k - celková</source>
        <translation>k coefficients - whole</translation>
    </message>
    <message>
        <source>Koeficienty k - sever</source>
        <translation>k coefficients - north</translation>
    </message>
    <message>
        <source>Koeficienty k - jih</source>
        <translation>k coefficients - south</translation>
    </message>
    <message>
        <source>Kontrola dat</source>
        <translation>Data check</translation>
    </message>
    <message>
        <source>Nejistoty</source>
        <translation>Uncertainties</translation>
    </message>
    <message>
        <source>Výsledky</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>&amp;Zobrazit</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Uložit do souboru</source>
        <translation>Save to a file</translation>
    </message>
    <message>
        <source>Uložit Oficiální do souboru CSV</source>
        <translation>Save the official report as CSV</translation>
    </message>
    <message>
        <source>Uložit do CSV</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>Aktuální  &amp;přístroj</source>
        <translation>Current  &amp;instrument</translation>
    </message>
    <message>
        <source>Do CSV souboru se ukládá naměřená nebo vyhlazená měsíční tabulka.</source>
        <translation>The measured or smoothed monthly table is saved to a CSV file.</translation>
    </message>
    <message>
        <source>Metoda</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Zadejte měsíc a rok, například 1,2000.</source>
        <translation>Enter the month and the year, for example 1,2000.</translation>
    </message>
    <message>
        <source>Uloženo: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Uloženo %1 souborů, poslední %2</source>
        <translation>Saved %1 files, the last %2</translation>
    </message>
    <message>
        <source>V měsíci %1 není žádný zákres.</source>
        <translation>There is no drawing in the month %1.</translation>
    </message>
    <message>
        <source>Od měsíce %1 do předposledního měsíce dat není co uložit.</source>
        <translation>From the month %1 to the last but one month of the data there is nothing to save.</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Soubor nelze otevřít: </source>
        <translation>The file cannot be opened: </translation>
    </message>
    <message>
        <source>Soubor není obrázek JPG: </source>
        <translation>The file is no JPG picture: </translation>
    </message>
    <message>
        <source>Prázdný obrázek nelze uložit: </source>
        <translation>An empty picture cannot be saved: </translation>
    </message>
    <message>
        <source>Obrázek se nepodařilo převést do JPG: </source>
        <translation>The picture could not be converted to JPG: </translation>
    </message>
    <message>
        <source>Soubor nelze zapsat: </source>
        <translation>The file cannot be written: </translation>
    </message>
    <message>
        <source>&amp;Zadávání</source>
        <translation>&amp;Entry</translation>
    </message>
    <message>
        <source>&amp;Uložit data</source>
        <translation>&amp;Save data</translation>
    </message>
    <message>
        <source>&amp;Grafy</source>
        <translation>&amp;Graphs</translation>
    </message>
    <message>
        <source>Až po načtení dat</source>
        <translation>Only after the data are loaded</translation>
    </message>
    <message>
        <source>Okno je už otevřené</source>
        <translation>The window is already open</translation>
    </message>
    <message>
        <source>&amp;Nový zákres</source>
        <translation>&amp;New drawing</translation>
    </message>
    <message>
        <source>&amp;Zvláštní zákres</source>
        <translation>&amp;Special drawing</translation>
    </message>
    <message>
        <source>&amp;Oprava  dat</source>
        <translation>&amp;Correct data</translation>
    </message>
    <message>
        <source>Uložit data</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>Uložit jako ASCII</source>
        <translation>Save as ASCII</translation>
    </message>
    <message>
        <source>&amp;Poslední zákres</source>
        <translation>&amp;Last drawing</translation>
    </message>
    <message>
        <source>Tisk zákresu</source>
        <translation>Print the drawing</translation>
    </message>
    <message>
        <source>Ulož zákresy (bmp)</source>
        <translation>Save drawings (bmp)</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Motýlek</source>
        <translation>&amp;Butterfly</translation>
    </message>
    <message>
        <source>&amp;Vyhlazovací</source>
        <translation>&amp;Smoothed</translation>
    </message>
    <message>
        <source>Asymetrie rozdílová</source>
        <translation>Difference asymmetry</translation>
    </message>
    <message>
        <source>Asymetrie podílová</source>
        <translation>Ratio asymmetry</translation>
    </message>
    <message>
        <source>&amp;Mapy</source>
        <translation>&amp;Maps</translation>
    </message>
    <message>
        <source>&amp;Výsledky</source>
        <translation>&amp;Results</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Uloží kopii okna v jpg </source>
        <translation>Saves a copy of the window as jpg </translation>
    </message>
    <message>
        <source>Zmenšit - zvětšit</source>
        <translation>Reduce - enlarge</translation>
    </message>
    <message>
        <source>Vzdálenost pomocné skvrny</source>
        <translation>Distance of the auxiliary spot</translation>
    </message>
    <message>
        <source>Zadávání z přefoceného zákresu </source>
        <translation>Entry from a photographed drawing </translation>
    </message>
    <message>
        <source>Zúžit</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <source>Rozšířit</source>
        <translation>Widen</translation>
    </message>
    <message>
        <source>Zvýšit</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>Snížit</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>Šířka fakulí</source>
        <translation>Facula width</translation>
    </message>
    <message>
        <source>Násobek velikosti ploch skupin</source>
        <translation>Multiple of the group area size</translation>
    </message>
    <message>
        <source>Před tiskem možno vložit text</source>
        <translation>Text can be inserted before printing</translation>
    </message>
    <message>
        <source>Zobrazení souřadnic pro jednotlivé dny</source>
        <translation>Coordinates for single days</translation>
    </message>
    <message>
        <source>Editor záznamu je už otevřený</source>
        <translation>The record editor is already open</translation>
    </message>
    <message>
        <source>Oprava až po kliknutí na záznam ve výběru  </source>
        <translation>Correction only after clicking a record in the list  </translation>
    </message>
    <message>
        <source>Program je určen pro rozlišení 1024x768 a větší</source>
        <translation>The program is meant for a resolution of 1024x768 and more</translation>
    </message>
    <message>
        <source>Data nebyla uložena. Ukončit program bez uložení?</source>
        <translation>The data were not saved. Quit the program without saving?</translation>
    </message>
    <message>
        <source>Zpráva</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Zadání hodnoty</source>
        <translation>Entering a value</translation>
    </message>
    <message>
        <source>Výběr</source>
        <translation>Choice</translation>
    </message>
    <message>
        <source>Obrázek se nepodařilo převést do %1: </source>
        <translation>The picture could not be converted to %1: </translation>
    </message>
    <message>
        <source>Nový</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Zvláštní</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>Zvláštní zákres</source>
        <translation>Special drawing</translation>
    </message>
    <message>
        <source>Oprava</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Oprava  záznamu</source>
        <translation>Correct  record</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Poslední</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Poslední záznam</source>
        <translation>Last record</translation>
    </message>
    <message>
        <source>Motýlek</source>
        <translation>Butterfly</translation>
    </message>
    <message>
        <source>Motýlkový diagram</source>
        <translation>Butterfly diagram</translation>
    </message>
    <message>
        <source>Grafy</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Denní grafy</source>
        <translation>Daily graphs</translation>
    </message>
    <message>
        <source>Vyhlazené</source>
        <translation>Smoothed</translation>
    </message>
    <message>
        <source>Vyhlazené grafy</source>
        <translation>Smoothed graphs</translation>
    </message>
    <message>
        <source>Asymetrie</source>
        <translation>Asymmetry</translation>
    </message>
    <message>
        <source>Asymetrie grafy</source>
        <translation>Asymmetry graphs</translation>
    </message>
    <message>
        <source>Mapy</source>
        <translation>Maps</translation>
    </message>
    <message>
        <source>Synoptické mapy</source>
        <translation>Synoptic maps</translation>
    </message>
    <message>
        <source>Pomocná</source>
        <translation>Auxiliary</translation>
    </message>
    <message>
        <source>Orientace</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>Uložit obrázek zákresu</source>
        <translation>Save the drawing&apos;s picture</translation>
    </message>
    <message>
        <source>JPG</source>
        <translation>JPG</translation>
    </message>
    <message>
        <source>Foto</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Sk</source>
        <translation>Gr</translation>
    </message>
    <message>
        <source>Fa</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>S+F</source>
        <translation>G+F</translation>
    </message>
    <message>
        <source>Skvrny i fakule</source>
        <translation>Spots and faculae</translation>
    </message>
    <message>
        <source>Výš</source>
        <translation>Hgt</translation>
    </message>
    <message>
        <source>Výška skupin</source>
        <translation>Group height</translation>
    </message>
    <message>
        <source>Vhl</source>
        <translation>SmH</translation>
    </message>
    <message>
        <source>Hr</source>
        <translation>Bd</translation>
    </message>
    <message>
        <source>Vše</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Veškeré ohraničení</source>
        <translation>All bounds</translation>
    </message>
    <message>
        <source>Pod</source>
        <translation>Und</translation>
    </message>
    <message>
        <source>Kor</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Podkreslit zelenou koronu</source>
        <translation>Underlay the green corona</translation>
    </message>
    <message>
        <source>&gt;&lt;</source>
        <translation>&gt;&lt;</translation>
    </message>
    <message>
        <source>Zúžit </source>
        <translation>Narrow </translation>
    </message>
    <message>
        <source>&lt;&gt;</source>
        <translation>&lt;&gt;</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Šíř</source>
        <translation>Wid</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>Počet skvrn</source>
        <translation>Number of spots</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Relativní číslo</source>
        <translation>Relative number</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>CV  (McIntoshovo číslo)</source>
        <translation>CV  (McIntosh number)</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>SN</translation>
    </message>
    <message>
        <source>SN  (Pettisovo číslo)</source>
        <translation>SN  (Pettis number)</translation>
    </message>
    <message>
        <source>RB</source>
        <translation>RB</translation>
    </message>
    <message>
        <source>RB  (Beckovo číslo)</source>
        <translation>RB  (Beck number)</translation>
    </message>
    <message>
        <source>Pl</source>
        <translation>Ar</translation>
    </message>
    <message>
        <source>Plocha skupin</source>
        <translation>Group area</translation>
    </message>
    <message>
        <source>Po</source>
        <translation>Ha</translation>
    </message>
    <message>
        <source>Plocha  polokoule</source>
        <translation>Hemisphere  area</translation>
    </message>
    <message>
        <source>PF</source>
        <translation>FA</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Tři  křivky</source>
        <translation>Three  curves</translation>
    </message>
    <message>
        <source>C</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Celková koule</source>
        <translation>Whole sphere</translation>
    </message>
    <message>
        <source>S</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Severní  polokoule</source>
        <translation>Northern  hemisphere</translation>
    </message>
    <message>
        <source>J</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Jižní polokoule</source>
        <translation>Southern hemisphere</translation>
    </message>
    <message>
        <source>St</source>
        <translation>Sc</translation>
    </message>
    <message>
        <source>VZS</source>
        <translation>EWC</translation>
    </message>
    <message>
        <source>Počet skupin východ - západ - střed</source>
        <translation>Number of groups east - west - centre</translation>
    </message>
    <message>
        <source>Plocha</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Plocha polokoule</source>
        <translation>Hemisphere area</translation>
    </message>
    <message>
        <source>AD</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>Asymetrie  denní  diagram</source>
        <translation>Asymmetry  daily  diagram</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>Asymetrie měsíční diagram</source>
        <translation>Asymmetry monthly diagram</translation>
    </message>
    <message>
        <source>AR</source>
        <translation>AY</translation>
    </message>
    <message>
        <source>Asymetrie roční diagram</source>
        <translation>Asymmetry yearly diagram</translation>
    </message>
    <message>
        <source>Vyhlazená celková</source>
        <translation>Smoothed whole</translation>
    </message>
    <message>
        <source>Vyhlazená severní</source>
        <translation>Smoothed northern</translation>
    </message>
    <message>
        <source>Vyhlazená jižní</source>
        <translation>Smoothed southern</translation>
    </message>
    <message>
        <source>S-J</source>
        <translation>N-S</translation>
    </message>
    <message>
        <source>Porovnání  sever a jih</source>
        <translation>Comparison  north and south</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Výběr rotace</source>
        <translation>Rotation choice</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Synoptická mapa</source>
        <translation>Synoptic map</translation>
    </message>
    <message>
        <source>Dl</source>
        <translation>Lg</translation>
    </message>
    <message>
        <source>Dlouhá mapa</source>
        <translation>Long map</translation>
    </message>
    <message>
        <source>Vys</source>
        <translation>Hi</translation>
    </message>
    <message>
        <source>Vysoká mapa</source>
        <translation>High map</translation>
    </message>
    <message>
        <source>2M</source>
        <translation>2M</translation>
    </message>
    <message>
        <source>Dvě mapy nad sebou </source>
        <translation>Two maps above each other </translation>
    </message>
    <message>
        <source>KG</source>
        <translation>CG</translation>
    </message>
    <message>
        <source>Korona graf</source>
        <translation>Corona graph</translation>
    </message>
    <message>
        <source>KM</source>
        <translation>CB</translation>
    </message>
    <message>
        <source>Korona  motýlek</source>
        <translation>Corona  butterfly</translation>
    </message>
    <message>
        <source>KS</source>
        <translation>RC</translation>
    </message>
    <message>
        <source>KP</source>
        <translation>UC</translation>
    </message>
    <message>
        <source>Pod kreslit koronu</source>
        <translation>Underlay the corona</translation>
    </message>
    <message>
        <source>Mg</source>
        <translation>Mg</translation>
    </message>
    <message>
        <source>Podkreslit magnetosférou</source>
        <translation>Underlay with the magnetosphere</translation>
    </message>
    <message>
        <source>Sr</source>
        <translation>Cmp</translation>
    </message>
    <message>
        <source>2x</source>
        <translation>2x</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Vl</source>
        <translation>Own</translation>
    </message>
    <message>
        <source>Vlastní výsledky</source>
        <translation>Own results</translation>
    </message>
    <message>
        <source>SIDC</source>
        <translation>SIDC</translation>
    </message>
    <message>
        <source>SIDC výsledky pro Brusel</source>
        <translation>SIDC results for Brussels</translation>
    </message>
    <message>
        <source>CV indexy pro Norsko</source>
        <translation>CV indices for Norway</translation>
    </message>
    <message>
        <source>NC</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Naměřené měsíční hodnoty - celková</source>
        <translation>Measured monthly values - whole</translation>
    </message>
    <message>
        <source>NS</source>
        <translation>M-N</translation>
    </message>
    <message>
        <source>Naměřené měsíční hodnoty - sever</source>
        <translation>Measured monthly values - north</translation>
    </message>
    <message>
        <source>NJ</source>
        <translation>M-S</translation>
    </message>
    <message>
        <source>Naměřené měsíční hodnoty - jih</source>
        <translation>Measured monthly values - south</translation>
    </message>
    <message>
        <source>VC</source>
        <translation>Sm</translation>
    </message>
    <message>
        <source>Vyhlazené  měsíční hodnoty (celková)</source>
        <translation>Smoothed  monthly values (whole)</translation>
    </message>
    <message>
        <source>VS</source>
        <translation>Sm-N</translation>
    </message>
    <message>
        <source>Vyhlazené  měsíční hodnoty (sever)</source>
        <translation>Smoothed  monthly values (north)</translation>
    </message>
    <message>
        <source>VJ</source>
        <translation>Sm-S</translation>
    </message>
    <message>
        <source>Vyhlazené  měsíční hodnoty (jih)</source>
        <translation>Smoothed  monthly values (south)</translation>
    </message>
    <message>
        <source>Poz</source>
        <translation>Obs</translation>
    </message>
    <message>
        <source>Pozorovatelé</source>
        <translation>Observers</translation>
    </message>
    <message>
        <source>Vý</source>
        <translation>Ev</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Výskyt typu skupin</source>
        <translation>Occurrence of group types</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>MD</translation>
    </message>
    <message>
        <source>Podklady pro mapu</source>
        <translation>Data for the map</translation>
    </message>
    <message>
        <source>Vel</source>
        <translation>Siz</translation>
    </message>
    <message>
        <source>Velikost denních skupin</source>
        <translation>Size of daily groups</translation>
    </message>
    <message>
        <source>Bez</source>
        <translation>Qt</translation>
    </message>
    <message>
        <source>Bez sluneční aktivity</source>
        <translation>Without solar activity</translation>
    </message>
    <message>
        <source>AsM</source>
        <translation>AsM</translation>
    </message>
    <message>
        <source>Asymetrie měsíční</source>
        <translation>Monthly asymmetry</translation>
    </message>
    <message>
        <source>AsR</source>
        <translation>AsY</translation>
    </message>
    <message>
        <source>Asymetrie roční</source>
        <translation>Yearly asymmetry</translation>
    </message>
    <message>
        <source>VZ</source>
        <translation>EW</translation>
    </message>
    <message>
        <source>Polohy východ - západ, denní</source>
        <translation>East - west positions, daily</translation>
    </message>
    <message>
        <source>VZm</source>
        <translation>EWm</translation>
    </message>
    <message>
        <source>VZr</source>
        <translation>EWy</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Koeficienty k pozorovatelů vůči SILSO - celková</source>
        <translation>Observers&apos; k coefficients against SILSO - whole</translation>
    </message>
    <message>
        <source>kS</source>
        <translation>kN</translation>
    </message>
    <message>
        <source>Koeficienty k pozorovatelů vůči SILSO - sever</source>
        <translation>Observers&apos; k coefficients against SILSO - north</translation>
    </message>
    <message>
        <source>kJ</source>
        <translation>kS</translation>
    </message>
    <message>
        <source>Koeficienty k pozorovatelů vůči SILSO - jih</source>
        <translation>Observers&apos; k coefficients against SILSO - south</translation>
    </message>
    <message>
        <source>KD</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Kontrola dat: chyby a podezřelé údaje zákresů</source>
        <translation>Data check: errors and doubtful values of the drawings</translation>
    </message>
    <message>
        <source>Nej</source>
        <translation>Unc</translation>
    </message>
    <message>
        <source>Nejistoty měsíčních hodnot: dny, rozptyl, střední chyba</source>
        <translation>Uncertainties of the monthly values: days, spread, standard error</translation>
    </message>
    <message>
        <source>TXT</source>
        <translation>TXT</translation>
    </message>
    <message>
        <source>Uložení východ - západ</source>
        <translation>Save east - west</translation>
    </message>
    <message>
        <source>Uložení asymetrie</source>
        <translation>Save asymmetry</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Do CSV souboru</source>
        <translation>To a CSV file</translation>
    </message>
    <message>
        <source>L B P</source>
        <translation>L B P</translation>
    </message>
    <message>
        <source>As</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Výběr typu skupiny východ-západ</source>
        <translation>Choice of the group type east-west</translation>
    </message>
    <message>
        <source>vše</source>
        <translation>all</translation>
    </message>
    <message>
        <source>            Uložit bitmapu okna </source>
        <translation>            Save the window&apos;s bitmap </translation>
    </message>
    <message>
        <source>Skupiny v čase</source>
        <translation>Groups over time</translation>
    </message>
    <message>
        <source>SvČ</source>
        <translation>GoT</translation>
    </message>
    <message>
        <source>Skupiny v čase: skupiny sledované ze dne na den, jejich dny a dráha na mapě</source>
        <translation>Groups over time: groups followed from day to day, their days and path on the map</translation>
    </message>
    <message>
        <source>Nejsou data pro koronu</source>
        <translation>No corona data</translation>
    </message>
    <message>
        <source>Nepodkreslit</source>
        <translation>Hide observations</translation>
    </message>
    <message>
        <source>Rotace  </source>
        <translation>Rotation  </translation>
    </message>
    <message>
        <source>leden-duben</source>
        <translation>January-April</translation>
    </message>
    <message>
        <source>květen-srpen</source>
        <translation>May-August</translation>
    </message>
    <message>
        <source>září- prosinec</source>
        <translation>September-December</translation>
    </message>
    <message>
        <source>Okno je nizké - zvětšit jeho výšku+<byte value="xd"/>   Pokud nelze tisk se neprovede ! </source>
        <translation>The window is too low - make it taller.<byte value="xd"/>   Otherwise nothing is printed! </translation>
    </message>
    <message>
        <source>p.skv.</source>
        <translation>spots</translation>
    </message>
    <message>
        <source>Od</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Klik pravým tlačítkem myši, držet táhnout - vybarvit plochu včetně penumbry.</source>
        <translation>Press the right mouse button, hold and drag to fill the area including the penumbra.</translation>
    </message>
    <message>
        <source>Polární souřadnice - zadává se  úhel a vzdálenost skvrny od středu. <byte value="xd"/>Vizuálně - zadávají se souřadnice l b  zjištěné z jiných zdrojů.</source>
        <translation>Polar coordinates - the angle and the distance of the spot from the centre are entered. <byte value="xd"/>Visual - the coordinates l, b found from other sources are entered.</translation>
    </message>
    <message>
        <source>Pozorovatel</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Leden</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Únor</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Březen</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Duben</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Květen</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Červen</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Červenec</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Srpen</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Září</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Říjen</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Listopad</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Prosinec</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Led</source>
        <comment>January</comment>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Úno</source>
        <comment>February</comment>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Bře</source>
        <comment>March</comment>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Dub</source>
        <comment>April</comment>
        <translation>Apr</translation>
    </message>
    <message>
        <source>Kvě</source>
        <comment>May</comment>
        <translation>May</translation>
    </message>
    <message>
        <source>Čer</source>
        <comment>June</comment>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Čer</source>
        <comment>July</comment>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Srp</source>
        <comment>August</comment>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Zář</source>
        <comment>September</comment>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Říj</source>
        <comment>October</comment>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Lis</source>
        <comment>November</comment>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Pro</source>
        <comment>December</comment>
        <translation>Dec</translation>
    </message>
    <message>
        <source>SEVER + JIH</source>
        <translation>NORTH + SOUTH</translation>
    </message>
    <message>
        <source>SEVER</source>
        <translation>NORTH</translation>
    </message>
    <message>
        <source>JIH</source>
        <translation>SOUTH</translation>
    </message>
    <message>
        <source>Graf   </source>
        <translation>Graph   </translation>
    </message>
    <message>
        <source>Celkový   Sever   Jih  -</source>
        <translation>Whole   North   South  -</translation>
    </message>
    <message>
        <source>Všechny tři</source>
        <translation>All three</translation>
    </message>
    <message>
        <source>Celkový</source>
        <translation>Whole disk</translation>
    </message>
    <message>
        <source>Jih</source>
        <translation>South</translation>
    </message>
    <message>
        <source>Záznamový</source>
        <translation>Per drawing</translation>
    </message>
    <message>
        <source>Měsíční</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Roční</source>
        <translation>Yearly</translation>
    </message>
    <message>
        <source>Rotace </source>
        <translation>Rotation </translation>
    </message>
    <message>
        <source>Nejsou data pro magnetosféru</source>
        <translation>No magnetogram data</translation>
    </message>
    <message>
        <source>Mapa  </source>
        <translation>Map  </translation>
    </message>
    <message>
        <source>Dlouhamapa  </source>
        <translation>Long map  </translation>
    </message>
    <message>
        <source>Vysokamapa  </source>
        <translation>High map  </translation>
    </message>
    <message>
        <source>Korona_graf</source>
        <translation>Corona graph </translation>
    </message>
    <message>
        <source>Korona_motyl</source>
        <translation>Corona butterfly</translation>
    </message>
    <message>
        <source>Cykly_magnet</source>
        <translation>Magnetic cycles</translation>
    </message>
    <message>
        <source>Skvrny</source>
        <translation>Spots</translation>
    </message>
    <message>
        <source>Magnetosféra</source>
        <translation>Magnetograms</translation>
    </message>
    <message>
        <source>Jas </source>
        <translation>Bright. </translation>
    </message>
    <message>
        <source>Kontr. </source>
        <translation>Contr. </translation>
    </message>
    <message>
        <source>Nejprve Střed a Sever (nebo bod na ose Slunce). Pak zvol číslo fakule, pravým tlačítkem myši označ první bod obrysu a levým další body (nejvýše 6). &quot;Konec zadání fakulí&quot; zapíše obrysy do vybraného zákresu.</source>
        <translation>First Centre and North (or a point on the Sun&apos;s axis). Then choose the facula&apos;s number, mark the first point of its outline with the right mouse button and the next points with the left one (6 at most). &quot;End of faculae&quot; writes the outlines into the chosen drawing.</translation>
    </message>
    <message>
        <source>Typ skup</source>
        <translation>Group type</translation>
    </message>
    <message>
        <source>Skvrn</source>
        <translation>Spots</translation>
    </message>
    <message>
        <source>Penumb.</source>
        <translation>Penumb.</translation>
    </message>
    <message>
        <source>Hlavní uhl.</source>
        <translation>Main angle</translation>
    </message>
    <message>
        <source>Hlavní vzd.</source>
        <translation>Main dist.</translation>
    </message>
    <message>
        <source>Hlavní Plo.</source>
        <translation>Main area</translation>
    </message>
    <message>
        <source>Malé skvr.</source>
        <translation>Small spots</translation>
    </message>
    <message>
        <source>Č. skup</source>
        <translation>Group no.</translation>
    </message>
    <message>
        <source>Č. rot. skup</source>
        <translation>Rot. group no.</translation>
    </message>
    <message>
        <source>1.ved uhl.</source>
        <translation>1st aux angle</translation>
    </message>
    <message>
        <source>1.ved vzd.</source>
        <translation>1st aux dist.</translation>
    </message>
    <message>
        <source>1.ved Plo.</source>
        <translation>1st aux area</translation>
    </message>
    <message>
        <source>2.ved uhl.</source>
        <translation>2nd aux angle</translation>
    </message>
    <message>
        <source>2.ved vzd.</source>
        <translation>2nd aux dist.</translation>
    </message>
    <message>
        <source>2.ved Plo.</source>
        <translation>2nd aux area</translation>
    </message>
    <message>
        <source>Vzd.</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source>denní</source>
        <translation>daily</translation>
    </message>
    <message>
        <source>měsíční</source>
        <translation>monthly</translation>
    </message>
    <message>
        <source>roční</source>
        <translation>yearly</translation>
    </message>
    <message>
        <source>Výsledky    polohy skupin podle sluneční délky od centrálního meridiánu - %1</source>
        <translation>Results    group positions by distance from the central meridian - %1</translation>
    </message>
    <message>
        <source>Výsledky    koeficienty k pozorovatelů - celý disk</source>
        <translation>Results    observers&apos; k factors - whole disk</translation>
    </message>
    <message>
        <source>Výsledky    koeficienty k pozorovatelů - sever</source>
        <translation>Results    observers&apos; k factors - north</translation>
    </message>
    <message>
        <source>Výsledky    koeficienty k pozorovatelů - jih</source>
        <translation>Results    observers&apos; k factors - south</translation>
    </message>
    <message>
        <source>Koeficienty k pozorovatelů vůči SILSO - celý disk</source>
        <translation>Observers&apos; k factors against SILSO - whole disk</translation>
    </message>
    <message>
        <source>Koeficienty k pozorovatelů vůči SILSO - severní polokoule</source>
        <translation>Observers&apos; k factors against SILSO - northern hemisphere</translation>
    </message>
    <message>
        <source>Koeficienty k pozorovatelů vůči SILSO - jižní polokoule</source>
        <translation>Observers&apos; k factors against SILSO - southern hemisphere</translation>
    </message>
    <message>
        <source>Ve složce SIDC nejsou denní relativní čísla (dssn&lt;rok&gt;.dat), proto nelze koeficienty k spočítat. Zapíše je příkaz ardeno-cli import-reference.</source>
        <translation>The folder SIDC holds no daily sunspot numbers (dssn&lt;year&gt;.dat), so the k factors cannot be computed. The command ardeno-cli import-reference writes them.</translation>
    </message>
    <message>
        <source> Pozorovate</source>
        <translation> Observer</translation>
    </message>
    <message>
        <source>Všechny hodnoty</source>
        <translation>All values</translation>
    </message>
    <message>
        <source>Vše od kurzoru</source>
        <translation>All from the cursor</translation>
    </message>
    <message>
        <source>1 strana od kurzoru</source>
        <translation>1 page from the cursor</translation>
    </message>
    <message>
        <source>Zapíší se data do souboru</source>
        <translation>The data are written to the file</translation>
    </message>
    <message>
        <source>Číslo  SL</source>
        <translation>SL number</translation>
    </message>
    <message>
        <source>Adresa</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>tel.    email</source>
        <translation>phone    e-mail</translation>
    </message>
    <message>
        <source>Zadat měsíc ,rok (1,2000)</source>
        <translation>Month, year (1,2000)</translation>
    </message>
    <message>
        <source>Zadaný měsíc</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>Uloží se zadaný měsíc</source>
        <translation>Saves the month given</translation>
    </message>
    <message>
        <source>Do konce</source>
        <translation>To the end</translation>
    </message>
    <message>
        <source>Uloží se všechy měsíce od zadaného do  předposledního</source>
        <translation>Saves every month from the one given to the last but one</translation>
    </message>
    <message>
        <source>Celý  rok </source>
        <translation>Whole year</translation>
    </message>
    <message>
        <source>Uloží se zadaný rok </source>
        <translation>Saves the year given</translation>
    </message>
    <message>
        <source>Zpracování zákresů sluneční fotosféry:
skupiny skvrn, fakule, relativní čísla, grafy, motýlkový diagram a synoptické mapy.</source>
        <translation>Processing of drawings of the solar photosphere:
sunspot groups, faculae, relative numbers, graphs, the butterfly diagram and synoptic maps.</translation>
    </message>
    <message>
        <source>Verze </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Připravuje se</source>
        <translation>In preparation</translation>
    </message>
    <message>
        <source>Datum :             </source>
        <translation>Date :              </translation>
    </message>
    <message>
        <source>Pozorovatel :   </source>
        <translation>Observer :      </translation>
    </message>
    <message>
        <source>Stanice :           </source>
        <translation>Station :           </translation>
    </message>
    <message>
        <source>MagnetoSfera</source>
        <translation>Magnetograms</translation>
    </message>
    <message>
        <source>&amp;Zprávy měsíce</source>
        <translation>Month&apos;s &amp;reports</translation>
    </message>
    <message>
        <source>&amp;Měsíční hodnoty</source>
        <translation>&amp;Monthly values</translation>
    </message>
    <message>
        <source>&amp;Skupiny</source>
        <translation>&amp;Groups</translation>
    </message>
    <message>
        <source>&amp;Pozorovatelé a kontrola</source>
        <translation>&amp;Observers and checks</translation>
    </message>
    <message>
        <source>Vizuálně  Heliografické souřadnice</source>
        <translation>Visual  Heliographic coordinates</translation>
    </message>
    <message>
        <source>Jen vlastní zákresy</source>
        <translation>Own drawings only</translation>
    </message>
    <message>
        <source> - jen vlastní zákresy</source>
        <translation> - own drawings only</translation>
    </message>
    <message>
        <source>Před uložením změn zapsat zálohu datax-zaloha.dat: data, jak byla načtena při spuštění, bez změn z této práce?</source>
        <translation>Before the changes are saved, write the backup datax-zaloha.dat: the data as loaded at start-up, without this session&apos;s changes?</translation>
    </message>
    <message>
        <source>Verze programu</source>
        <translation>Program version</translation>
    </message>
</context>
<context>
    <name>ArdenoUsage</name>
    <message>
        <source>Použití: ardeno [SLOŽKA]
  SLOŽKA  složka stanice s datovým souborem datax.dat; bez ní pracuje v aktuální složce
  --lang cs|en  jazyk oken (jinak volba v nabídce Zadávání nebo jazyk systému)
  --help-path  vypíše složku se stránkami nápovědy (F1) a skončí
  --help  vypíše tento návod a skončí
</source>
        <translation>Usage: ardeno [FOLDER]
  FOLDER  the station&apos;s folder with the data file datax.dat; without it the program works in the current folder
  --lang cs|en  language of the windows (else the choice in the Entry menu or the system&apos;s language)
  --help-path  prints the folder of the help pages (F1) and exits
  --help  prints this usage and exits
</translation>
    </message>
    <message>
        <source>Za --lang patří cs nebo en</source>
        <translation>--lang takes cs or en</translation>
    </message>
</context>
<context>
    <name>AuxFiles</name>
    <message>
        <source>Soubor %1 nelze přečíst.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze přečíst: %2.</source>
        <translation>The file %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze zapsat: %2.</source>
        <translation>The file %1 cannot be written: %2.</translation>
    </message>
    <message>
        <source>Soubor %1 je příliš velký, nelze ho přečíst.</source>
        <translation>The file %1 is too large to be read.</translation>
    </message>
</context>
<context>
    <name>Bulletin</name>
    <message>
        <source>Bulletin se nepíše přímo do složky s daty %1; zvol pro něj vlastní složku.</source>
        <translation>The bulletin is not written straight into the data folder %1; choose a folder of its own.</translation>
    </message>
    <message>
        <source>Soubor %1 už existuje a není to složka; bulletin se nezapsal.</source>
        <translation>The file %1 exists already and is not a folder; the bulletin was not written.</translation>
    </message>
    <message>
        <source>Na místě souboru %1 je odkaz nebo složka a bulletin přes ně nepíše; nic se nezapsalo.</source>
        <translation>A link or a folder stands in the place of the file %1 and the bulletin does not write over them; nothing was written.</translation>
    </message>
    <message>
        <source>Soubor %1 už existuje a není to soubor bulletinu; nic se nezapsalo. Zvol jinou složku.</source>
        <translation>The file %1 exists already and is not a file of the bulletin; nothing was written. Choose another folder.</translation>
    </message>
</context>
<context>
    <name>BulletinPage</name>
    <message>
        <source>součet</source>
        <translation>sum</translation>
    </message>
    <message>
        <source>průměr</source>
        <translation>mean</translation>
    </message>
    <message>
        <source>Zákres %1</source>
        <translation>Drawing of %1</translation>
    </message>
    <message>
        <source>Denní relativní číslo R v měsíci %1</source>
        <translation>Daily relative number R in %1</translation>
    </message>
    <message>
        <source>Vyhlazené relativní číslo stanice a oficiální hodnoty (v procentech maxima)</source>
        <translation>The station&apos;s smoothed relative number and the official values (in per cent of the maximum)</translation>
    </message>
    <message>
        <source>Měsíční průměry a 13měsíční vyhlazené relativní číslo R stanice</source>
        <translation>The station&apos;s monthly means and 13-month smoothed relative number R</translation>
    </message>
    <message>
        <source>Motýlkový diagram: %1 měsíců do konce měsíce %2</source>
        <translation>Butterfly diagram: %1 months to the end of %2</translation>
    </message>
    <message>
        <source>Synoptická mapa Carringtonovy otočky %1</source>
        <translation>Synoptic map of Carrington rotation %1</translation>
    </message>
    <message>
        <source>Sluneční skvrny %1 – %2</source>
        <translation>Sunspots %1 – %2</translation>
    </message>
    <message>
        <source>Sluneční skvrny: %1</source>
        <translation>Sunspots: %1</translation>
    </message>
    <message>
        <source>Stanice %1. Dní se zákresem: %2.</source>
        <translation>Station %1. Days with a drawing: %2.</translation>
    </message>
    <message>
        <source>; katalogové dny NOAA/RGO vynechány: %1</source>
        <translation>; NOAA/RGO catalogue days left out: %1</translation>
    </message>
    <message>
        <source>Měsíční relativní číslo %1 (průměr %2 vlastních zákresů%3).</source>
        <translation>Monthly relative number %1 (the mean of %2 of the station&apos;s own drawings%3).</translation>
    </message>
    <message>
        <source>Výsledky měsíce</source>
        <translation>Results of the month</translation>
    </message>
    <message>
        <source>Grafy</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Zákresy</source>
        <translation>Drawings</translation>
    </message>
    <message>
        <source>V tomto měsíci není žádný zákres.</source>
        <translation>There is no drawing in this month.</translation>
    </message>
    <message>
        <source>Pozorovatelé</source>
        <translation>Observers</translation>
    </message>
    <message>
        <source>pozorovatel</source>
        <translation>observer</translation>
    </message>
    <message>
        <source>dny</source>
        <translation>days</translation>
    </message>
    <message>
        <source>počet</source>
        <translation>count</translation>
    </message>
    <message>
        <source>Nálezy kontrol věrohodnosti</source>
        <translation>Findings of the plausibility checks</translation>
    </message>
    <message>
        <source>Kontroly v tomto měsíci nic nenašly.</source>
        <translation>The checks found nothing in this month.</translation>
    </message>
    <message>
        <source>Vytvořil program %1.</source>
        <translation>Made by %1.</translation>
    </message>
</context>
<context>
    <name>Butterfly</name>
    <message>
        <source>Motýlek   Fakule</source>
        <translation>Butterfly   Faculae</translation>
    </message>
    <message>
        <source>Motýlek   Skvrny a fakule</source>
        <translation>Butterfly   Spots and faculae</translation>
    </message>
    <message>
        <source>Motýlek   Skvrny</source>
        <translation>Butterfly   Spots</translation>
    </message>
</context>
<context>
    <name>ComparisonCurves</name>
    <message>
        <source>Počet skupin</source>
        <translation>Number of groups</translation>
    </message>
    <message>
        <source>Počet skvrn</source>
        <translation>Number of spots</translation>
    </message>
    <message>
        <source>Relativní číslo</source>
        <translation>Relative number</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>SN</translation>
    </message>
    <message>
        <source>RB</source>
        <translation>RB</translation>
    </message>
    <message>
        <source>Plocha</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Polokoule  plocha</source>
        <translation>Hemisphere  area</translation>
    </message>
    <message>
        <source>Brusel r</source>
        <translation>Brussels r</translation>
    </message>
    <message>
        <source>Brusel plochy</source>
        <translation>Brussels areas</translation>
    </message>
    <message>
        <source>Rádiový tok</source>
        <translation>Radio flux</translation>
    </message>
    <message>
        <source>Nejsou data SIDC pro relativní čísla (SIDC/dssn&lt;rok&gt;.dat)</source>
        <translation>No SIDC data for the relative numbers (SIDC/dssn&lt;year&gt;.dat)</translation>
    </message>
    <message>
        <source>Nejsou data SIDC pro plochy (SIDC/Plochy.txt)</source>
        <translation>No SIDC data for the areas (SIDC/Plochy.txt)</translation>
    </message>
    <message>
        <source>Nejsou data pro rádiový tok (SIDC/tok-10cm.txt)</source>
        <translation>No data for the radio flux (SIDC/tok-10cm.txt)</translation>
    </message>
    <message>
        <source>Nejsou data pro vyhlazenou křivku: %1 (je třeba aspoň 13 měsíců)</source>
        <translation>No data for the smoothed curve: %1 (at least 13 months are needed)</translation>
    </message>
</context>
<context>
    <name>CoronaData</name>
    <message>
        <source>v souboru %1 na řádku %2</source>
        <translation>in the file %1 on line %2</translation>
    </message>
    <message>
        <source>Data koróny: %1 je hodnota, která není celé číslo; byla čtena jako 0 (řádků s chybou: %2).</source>
        <translation>Corona data: %1 there is a value that is not a whole number; it was read as 0 (lines with errors: %2).</translation>
    </message>
</context>
<context>
    <name>CrossCheck</name>
    <message>
        <source>%1 č.%2 skupina %3</source>
        <translation>%1 no.%2 group %3</translation>
    </message>
    <message>
        <source>%1 č.%2</source>
        <translation>%1 no.%2</translation>
    </message>
    <message>
        <source>%1 = AR %2: Δb %3°, Δl %4°, třída %5 / %6 (shoda)</source>
        <translation>%1 = AR %2: Δb %3°, Δl %4°, class %5 / %6 (same)</translation>
    </message>
    <message>
        <source>%1 = AR %2: Δb %3°, Δl %4°, třída %5 / %6 (rozdíl)</source>
        <translation>%1 = AR %2: Δb %3°, Δl %4°, class %5 / %6 (different)</translation>
    </message>
    <message>
        <source>%1: opačná polokoule, AR %2 leží na šířce %3°</source>
        <translation>%1: opposite hemisphere, AR %2 lies at latitude %3°</translation>
    </message>
    <message>
        <source>%1: žádná oblast NOAA do %2°</source>
        <translation>%1: no NOAA region within %2°</translation>
    </message>
    <message>
        <source>%1: chybí AR %2 (plocha %3, šířka %4°, od středního poledníku %5°)</source>
        <translation>%1: AR %2 missing (area %3, latitude %4°, %5° from the central meridian)</translation>
    </message>
    <message>
        <source>Shoda: %1 z %2 skupin; medián |Δb| %3°, |Δl| %4°; opačná polokoule: %5; chybějící oblasti: %6</source>
        <translation>Matched: %1 of %2 groups; median |Δb| %3°, |Δl| %4°; opposite hemisphere: %5; missing regions: %6</translation>
    </message>
    <message>
        <source>%1: AR %2 leží %3° odtud, ale je už přiřazena skupině %4</source>
        <translation>%1: AR %2 lies %3° away but is already matched to group %4</translation>
    </message>
</context>
<context>
    <name>DailyGraphs</name>
    <message>
        <source>Záznamů s neplatným datem vynechaných v grafu: %1</source>
        <translation>Records with an invalid date left out of the graph: %1</translation>
    </message>
    <message>
        <source>&amp;g    Počet skupin</source>
        <translation>&amp;g    Number of groups</translation>
    </message>
    <message>
        <source> Počet skupin</source>
        <translation> Number of groups</translation>
    </message>
    <message>
        <source>&amp;f     Počet skvrn</source>
        <translation>&amp;f     Number of spots</translation>
    </message>
    <message>
        <source> Počet skvrn</source>
        <translation> Number of spots</translation>
    </message>
    <message>
        <source>&amp;r     Relativní číslo</source>
        <translation>&amp;r     Relative number</translation>
    </message>
    <message>
        <source> Relativní číslo</source>
        <translation> Relative number</translation>
    </message>
    <message>
        <source>&amp;CV</source>
        <translation>&amp;CV</translation>
    </message>
    <message>
        <source> CV  (McIntoshovo číslo)</source>
        <translation> CV  (McIntosh number)</translation>
    </message>
    <message>
        <source>&amp;SN</source>
        <translation>&amp;SN</translation>
    </message>
    <message>
        <source> SN  (Pettisovo číslo)</source>
        <translation> SN  (Pettis number)</translation>
    </message>
    <message>
        <source>&amp;RB</source>
        <translation>&amp;RB</translation>
    </message>
    <message>
        <source> RB  (Beckovo číslo)</source>
        <translation> RB  (Beck number)</translation>
    </message>
    <message>
        <source>&amp;Plocha</source>
        <translation>&amp;Area</translation>
    </message>
    <message>
        <source> Plocha skvrn disk</source>
        <translation> Spot area, disk</translation>
    </message>
    <message>
        <source>Polo&amp;koule</source>
        <translation>&amp;Hemispheres</translation>
    </message>
    <message>
        <source> Plocha skvrn polokoule</source>
        <translation> Spot area, hemispheres</translation>
    </message>
    <message>
        <source>Plocha fakulí</source>
        <translation>Facular area</translation>
    </message>
    <message>
        <source> Plocha Fakulí</source>
        <translation> Facular area</translation>
    </message>
    <message>
        <source>Poloha V-S-Z</source>
        <translation>Position E-C-W</translation>
    </message>
    <message>
        <source> Počet skupin </source>
        <translation> Number of groups </translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Zákres č. %1 v souboru datax.dat nemá datum, proto se načetlo jen %2 zákresů a %3 dalších se vynechalo.</source>
        <translation>Drawing no. %1 in the file datax.dat has no date, so only %2 drawings were loaded and %3 more were left out.</translation>
    </message>
    <message>
        <source>Soubor datax.dat nekončí celým zákresem: posledních %1 bajtů je neúplný zákres (například po přerušeném kopírování), který se nenačetl.</source>
        <translation>The file datax.dat does not end with a whole drawing: the last %1 bytes are an incomplete drawing (after an interrupted copy, for example), which was not loaded.</translation>
    </message>
    <message>
        <source>Zákres s nečitelným datem nelze zařadit podle data; seznam zákresů ho vyřadí.</source>
        <translation>A drawing with an unreadable date cannot be placed by its date; the list of drawings leaves it out.</translation>
    </message>
    <message>
        <source>Zákresy v souboru datax.dat nejsou seřazeny podle data (zákres č. %1 z %2 následuje po zákresu z %3); program je seřadil. Soubor, jak byl nalezen, se před prvním uložením uschová.</source>
        <translation>The drawings in the file datax.dat are not in date order (drawing no. %1 of %2 follows the drawing of %3); the program has sorted them. The file as found is kept before the first save.</translation>
    </message>
    <message>
        <source>soubor je jen pro čtení</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>do jeho složky nelze zapisovat</source>
        <translation>its folder cannot be written to</translation>
    </message>
    <message>
        <source>Soubor datax.dat nelze přečíst: %1. Program začíná s prázdnou databází a data neukládá.</source>
        <translation>The file datax.dat cannot be read: %1. The program starts with an empty database and does not save data.</translation>
    </message>
    <message>
        <source>Data se nepodařilo uložit do souboru %1: %2. Původní soubor zůstal beze změny.</source>
        <translation>The data could not be saved to the file %1: %2. The original file is unchanged.</translation>
    </message>
    <message>
        <source>Soubor datax.dat (%1 bajtů) začíná zákresem bez data, proto se nenačetl žádný zákres; dalších zákresů s datem za ním: %2.</source>
        <translation>The file datax.dat (%1 bytes) begins with a drawing without a date, so no drawing was loaded; dated drawings after it: %2.</translation>
    </message>
    <message>
        <source>Soubor datax.dat (%1 bajtů) neobsahuje žádný čitelný zákres, je poškozen.</source>
        <translation>The file datax.dat (%1 bytes) holds no readable drawing; it is damaged.</translation>
    </message>
    <message>
        <source> Program ho nepřepíše: začíná s prázdnou databází a data neukládá. Oprav nebo nahraď soubor a spusť program znovu.</source>
        <translation> The program will not overwrite it: it starts with an empty database and does not save data. Repair or replace the file and start the program again.</translation>
    </message>
    <message>
        <source>Soubor se nepodařilo uschovat (%1), proto se data neukládají, aby se nic neztratilo.</source>
        <translation>The file could not be kept (%1), so the data are not saved, so that nothing is lost.</translation>
    </message>
    <message>
        <source>Soubor, jak byl nalezen, je uschován jako %1.</source>
        <translation>The file as found is kept as %1.</translation>
    </message>
    <message>
        <source>byl mezitím odstraněn nebo přejmenován</source>
        <translation>it has meanwhile been deleted or renamed</translation>
    </message>
    <message>
        <source>mezitím vytvořil jiný program (%1 zákresů)</source>
        <translation>another program has meanwhile created it (%1 drawings)</translation>
    </message>
    <message>
        <source>mezitím uložil jiný program (nyní %1 zákresů, při načtení %2)</source>
        <translation>another program has meanwhile saved it (now %1 drawings, %2 when loaded)</translation>
    </message>
    <message>
        <source>Soubor datax.dat se od načtení změnil: %1. Uložením by se jeho změny ztratily, proto se neuložil.</source>
        <translation>The file datax.dat has changed since it was loaded: %1. Saving would lose its changes, so it was not saved.</translation>
    </message>
    <message>
        <source>Soubor datax.dat je jen pro čtení: program nové ani opravené zákresy neuloží. Chceš-li ukládat, povol zápis a spusť program znovu.</source>
        <translation>The file datax.dat is read-only: the program will not save new or corrected drawings. To save, allow writing and start the program again.</translation>
    </message>
    <message>
        <source>Do složky s daty %1 nelze zapisovat: program nové ani opravené zákresy neuloží. Chceš-li ukládat, povol zápis a spusť program znovu.</source>
        <translation>The data folder %1 cannot be written to: the program will not save new or corrected drawings. To save, allow writing and start the program again.</translation>
    </message>
    <message>
        <source>Zálohu se nepodařilo vytvořit: soubor datax.dat, jak byl načten, nelze znovu přečíst (%1).</source>
        <translation>The backup could not be made: the file datax.dat as loaded cannot be read again (%1).</translation>
    </message>
    <message>
        <source>Soubor datax.dat se při spuštění nepodařilo načíst, proto se data neukládají, aby se soubor nepřepsal. Oprav přístup k souboru a spusť program znovu.</source>
        <translation>The file datax.dat could not be loaded at start-up, so the data are not saved, so that the file is not overwritten. Repair access to the file and start the program again.</translation>
    </message>
    <message>
        <source>Zálohu dat, jak byla načtena, nelze vytvořit: soubor datax.dat od spuštění programu změnil jiný program. Nová data se ukládají jako obvykle.</source>
        <translation>A backup of the data as loaded cannot be made: another program has changed the file datax.dat since the program started. New data are saved as usual.</translation>
    </message>
    <message>
        <source>Zákresy v souboru datax.dat nebyly seřazeny podle data a soubor, jak byl nalezen, není uschován, proto se data neukládají.</source>
        <translation>The drawings in the file datax.dat were not in date order and the file as found is not kept, so the data are not saved.</translation>
    </message>
    <message>
        <source>Soubor datax.dat byl načten jen zčásti a jeho původní podoba není uschována, proto se data neukládají, aby se vynechané zákresy neztratily.</source>
        <translation>The file datax.dat was loaded only in part and its original form is not kept, so the data are not saved, so that the drawings left out are not lost.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Složku s daty %1 nelze otevřít: %2.</source>
        <translation>The data folder %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>Složka s daty neexistuje: %1</source>
        <translation>The data folder does not exist: %1</translation>
    </message>
    <message>
        <source>%1 není složka, data v ní nelze hledat.</source>
        <translation>%1 is not a folder; no data can be looked for in it.</translation>
    </message>
</context>
<context>
    <name>DataSaving</name>
    <message>
        <source>

Přepsat ho přesto daty tohoto programu? Záznamy, které do něj mezitím uložil jiný program, se tím ztratí.</source>
        <translation>

Overwrite it with this program&apos;s data anyway? Records that another program saved into it meanwhile will be lost.</translation>
    </message>
    <message>
        <source>Data nebyla uložena; soubor datax.dat zůstal, jak ho uložil jiný program.</source>
        <translation>The data were not saved; the file datax.dat stays as the other program saved it.</translation>
    </message>
</context>
<context>
    <name>DatabaseOps</name>
    <message>
        <source>Do databáze nelze přidat další zákres: v jednom běhu programu lze uložit nejvýše 2000 nových zákresů. Ulož data, zavři program a znovu jej spusť.</source>
        <translation>No more drawings can be added to the database: at most 2000 new drawings can be stored in one run of the program. Save the data, close the program and start it again.</translation>
    </message>
</context>
<context>
    <name>DateJump</name>
    <message>
        <source>&quot;%1&quot; není datum. Napiš den, měsíc a rok (5.3.2014), měsíc a rok (3.2014) nebo rok (2014).</source>
        <translation>&quot;%1&quot; is not a date. Type a day, month and year (5.3.2014), a month and year (3.2014) or a year (2014).</translation>
    </message>
    <message>
        <source>V databázi zatím není žádný zákres.</source>
        <translation>There is no drawing in the database yet.</translation>
    </message>
    <message>
        <source>Od %1 není žádný zákres; poslední je z %2.</source>
        <translation>There is no drawing from %1 on; the last one is of %2.</translation>
    </message>
    <message>
        <source>V roce %1 není žádný zákres; ukazuje se další, z %2.</source>
        <translation>There is no drawing in %1; the next one, of %2, is shown.</translation>
    </message>
    <message>
        <source>V měsíci %1 není žádný zákres; ukazuje se další, z %2.</source>
        <translation>There is no drawing in the month %1; the next one, of %2, is shown.</translation>
    </message>
    <message>
        <source>Dne %1 není žádný zákres; ukazuje se další, z %2.</source>
        <translation>There is no drawing on %1; the next one, of %2, is shown.</translation>
    </message>
</context>
<context>
    <name>DrawingFrame</name>
    <message>
        <source>Čas UT</source>
        <translation>Time UT</translation>
    </message>
    <message>
        <source>Podmínky</source>
        <translation>Cond.</translation>
    </message>
    <message>
        <source>Obraz</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Kvalita</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Rotace</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Plocha</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Polokoule</source>
        <translation>Hemisph.</translation>
    </message>
</context>
<context>
    <name>DrawingImages</name>
    <message>
        <source>Kvalita jpg musí být celé číslo od 1 do 100.</source>
        <translation>The JPG quality must be a whole number from 1 to 100.</translation>
    </message>
</context>
<context>
    <name>DrawingRecognition</name>
    <message>
        <source>Nejdřív otevřete obrázek zákresu.</source>
        <translation>Open the picture of the drawing first.</translation>
    </message>
    <message>
        <source>Obrázek nelze přečíst.</source>
        <translation>The picture cannot be read.</translation>
    </message>
    <message>
        <source>Na obrázku se nenašel kruh zákresu.</source>
        <translation>No drawing disk was found on the picture.</translation>
    </message>
    <message>
        <source>Na zákresu se nenašel sever: označte ho tlačítkem Sever (nebo osu tlačítkem Osa Slunce) a rozpoznejte znovu.</source>
        <translation>No north was found on the drawing: mark it with the North button (or the axis with Solar axis) and recognize again.</translation>
    </message>
</context>
<context>
    <name>DrawingWindow</name>
    <message>
        <source>Tisk zákresu</source>
        <translation>Print the drawing</translation>
    </message>
    <message>
        <source>Tisk zákresu znovu se stejným počtem (Ctrl+P)</source>
        <translation>Print the drawing again with the same count (Ctrl+P)</translation>
    </message>
    <message>
        <source>Složka se zprávami NOAA (SRS)</source>
        <translation>Folder with the NOAA reports (SRS)</translation>
    </message>
    <message>
        <source>Některé soubory ve složce NOAA nelze přečíst (%1), například: %2</source>
        <translation>Some files in the NOAA folder cannot be read (%1), for example: %2</translation>
    </message>
    <message>
        <source>Ve složce %1 nejsou žádné zprávy NOAA (SRS).</source>
        <translation>There are no NOAA reports (SRS) in the folder %1.</translation>
    </message>
    <message>
        <source>Z - V</source>
        <translation>W - E</translation>
    </message>
    <message>
        <source>S - J</source>
        <translation>N - S</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>nový zákres</source>
        <translation>new drawing</translation>
    </message>
    <message>
        <source>zvláštní zákres</source>
        <translation>special drawing</translation>
    </message>
    <message>
        <source>oprava</source>
        <translation>correction</translation>
    </message>
    <message>
        <source>sloučení souborů</source>
        <translation>merge of files</translation>
    </message>
    <message>
        <source>přepočet výsledků</source>
        <translation>recomputation of results</translation>
    </message>
    <message>
        <source>fakule z jiného souboru</source>
        <translation>faculae from another file</translation>
    </message>
    <message>
        <source>skupiny z fotografie</source>
        <translation>groups from a photograph</translation>
    </message>
    <message>
        <source>fakule z fotografie</source>
        <translation>faculae from a photograph</translation>
    </message>
    <message>
        <source>odstranění</source>
        <translation>removal</translation>
    </message>
    <message>
        <source>Zpět: %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Znovu: %1</source>
        <translation>Redo %1</translation>
    </message>
</context>
<context>
    <name>EqualDates</name>
    <message>
        <source>Shodné datumy !     %1</source>
        <translation>Equal dates!     %1</translation>
    </message>
</context>
<context>
    <name>FaculaTransfer</name>
    <message>
        <source>Uložit změny do souboru datax?</source>
        <translation>Save the changes into the file datax?</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>přístup odepřen</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>na disku není místo</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>médium je jen pro čtení</source>
        <translation>the medium is read-only</translation>
    </message>
    <message>
        <source>soubor nebo složka neexistuje</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>na místě souboru je složka</source>
        <translation>a folder stands in place of the file</translation>
    </message>
    <message>
        <source>cesta nevede do složky</source>
        <translation>the path does not lead to a folder</translation>
    </message>
    <message>
        <source>soubor je příliš velký</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>soubor je používán jiným programem</source>
        <translation>the file is in use by another program</translation>
    </message>
    <message>
        <source>příliš mnoho otevřených souborů</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>chyba čtení nebo zápisu na disk</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>na místě pomocného souboru je jiný soubor</source>
        <translation>another file stands in place of the auxiliary file</translation>
    </message>
    <message>
        <source>odkazy na soubor tvoří smyčku</source>
        <translation>the links to the file form a loop</translation>
    </message>
    <message>
        <source>cesta k souboru je příliš dlouhá</source>
        <translation>the path to the file is too long</translation>
    </message>
    <message>
        <source>soubor je na jiném disku než jeho složka</source>
        <translation>the file is on another disk than its folder</translation>
    </message>
    <message>
        <source>vyčerpána kvóta disku</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>není to běžný soubor</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>chyba systému č. %1</source>
        <translation>system error no. %1</translation>
    </message>
    <message>
        <source>na místě souboru je odkaz na jiný soubor a přes odkaz se nezapisuje</source>
        <translation>a link to another file stands in the file&apos;s place and nothing is written through a link</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Záznam</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Skupina</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Kód</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Závažnost</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>Pozorovatel</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Popis</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Složku s daty %1 nelze zamknout: %2, proto se data nemění.</source>
        <translation>The data folder %1 cannot be locked: %2, so the data are not changed.</translation>
    </message>
    <message>
        <source>jiný program</source>
        <translation>another program</translation>
    </message>
    <message>
        <source>Data ve složce %1 právě mění %2. Zkus to znovu, až skončí; nic se nezměnilo.</source>
        <translation>The data in the folder %1 are being changed by %2 right now. Try again when it has finished; nothing has changed.</translation>
    </message>
    <message>
        <source>%1 (proces %2, od %3)</source>
        <translation>%1 (process %2, since %3)</translation>
    </message>
</context>
<context>
    <name>GroupNumberClash</name>
    <message>
        <source>Číslo skupiny %1 (řádek %2) už má v otočce %3 jiná skupina: zákres %4 %5:%6, o %7° dál.</source>
        <translation>Another group has the group number %1 (row %2) in rotation %3 already: drawing %4 %5:%6, %7° away.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Navrženo další volné číslo %1. Pro původní číslo ho přepište zpět a potvrďte znovu.</source>
        <translation><byte value="xd"/>The next free number %1 is proposed. For the original number, type it back and confirm again.</translation>
    </message>
    <message>
        <source><byte value="xd"/>V otočce už není volné číslo. Pro původní číslo potvrďte znovu.</source>
        <translation><byte value="xd"/>There is no free number left in the rotation. For the original number, confirm again.</translation>
    </message>
</context>
<context>
    <name>GroupTables</name>
    <message>
        <source>Asymetrie po měsících nezapočetla zákresy z měsíců před měsícem prvního zákresu</source>
        <translation>The monthly asymmetry left out drawings from months before the month of the first drawing</translation>
    </message>
    <message>
        <source>Asymetrie po letech nezapočetla zákresy z let před rokem prvního zákresu</source>
        <translation>The yearly asymmetry left out drawings from years before the year of the first drawing</translation>
    </message>
    <message>
        <source>p.zákre</source>
        <translation>n.draw.</translation>
    </message>
    <message>
        <source>rov</source>
        <translation>eq</translation>
    </message>
    <message>
        <source>Měsíc</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Rok</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>stopa</source>
        <translation>track</translation>
    </message>
    <message>
        <source>od</source>
        <translation>from</translation>
    </message>
    <message>
        <source>do</source>
        <translation>to</translation>
    </message>
    <message>
        <source>dní</source>
        <translation>days</translation>
    </message>
    <message>
        <source>centrální meridián</source>
        <translation>central meridian</translation>
    </message>
    <message>
        <source>šířka</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>max plocha</source>
        <translation>max area</translation>
    </message>
    <message>
        <source>typy</source>
        <translation>classes</translation>
    </message>
    <message>
        <source>čísla</source>
        <translation>numbers</translation>
    </message>
    <message>
        <source>datum</source>
        <translation>date</translation>
    </message>
    <message>
        <source>pozorovatel</source>
        <translation>observer</translation>
    </message>
    <message>
        <source>skupina</source>
        <translation>group</translation>
    </message>
    <message>
        <source>číslo</source>
        <translation>number</translation>
    </message>
    <message>
        <source>typ</source>
        <translation>class</translation>
    </message>
    <message>
        <source>plocha</source>
        <translation>area</translation>
    </message>
    <message>
        <source>délka</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>jiný</source>
        <translation>other</translation>
    </message>
    <message>
        <source>Pořadí</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Č.sk.</source>
        <translation>Grp.no.</translation>
    </message>
    <message>
        <source>Plocha</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Rotace</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>   Sev.</source>
        <translation>  North</translation>
    </message>
    <message>
        <source>   Jih</source>
        <translation> South</translation>
    </message>
    <message>
        <source> S max</source>
        <translation> N max</translation>
    </message>
    <message>
        <source> S min</source>
        <translation> N min</translation>
    </message>
    <message>
        <source> J max</source>
        <translation> S max</translation>
    </message>
    <message>
        <source> J min</source>
        <translation> S min</translation>
    </message>
    <message>
        <source> Asym</source>
        <translation> Asym</translation>
    </message>
    <message>
        <source>Počet hodnot je = %1</source>
        <translation>Number of values = %1</translation>
    </message>
    <message>
        <source>Vývoj skupin otočky %1 nelze ukázat: otočka nemá žádný zákres nebo začíná zvlášťním zákresem.</source>
        <translation>The evolution of the groups of rotation %1 cannot be shown: the rotation has no drawing or begins with a special drawing.</translation>
    </message>
    <message>
        <source>Skupina</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Počty skupin podle otoček nezapočetly skupiny s číslem v otočce nad 70</source>
        <translation>The group counts per rotation left out groups numbered above 70 in their rotation</translation>
    </message>
    <message>
        <source>Statistiky otoček nezapočetly zákresy s číslem otočky menším, než má první zákres</source>
        <translation>The rotation statistics left out drawings with a rotation number below that of the first drawing</translation>
    </message>
    <message>
        <source>Hranice výskytu po letech nezapočetly zákresy z let před rokem prvního zákresu</source>
        <translation>The yearly latitude bounds left out drawings from years before the year of the first drawing</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Stránky nápovědy nebyly nalezeny. Hledají se ve složce help vedle programu, ve složce share/ardeno/help instalace a ve složce docs/help zdrojů programu.</source>
        <translation>The help pages were not found. They are looked for in the folder help beside the program, in the folder share/ardeno/help of the installation and in the folder docs/help of the program&apos;s sources.</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>krátký řádek</source>
        <translation>short line</translation>
    </message>
    <message>
        <source>datum</source>
        <translation>date</translation>
    </message>
    <message>
        <source>číslo skupiny</source>
        <translation>group number</translation>
    </message>
    <message>
        <source>plocha</source>
        <translation>area</translation>
    </message>
    <message>
        <source>délka</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>šířka</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>vzdálenost od centrálního meridiánu</source>
        <translation>central meridian distance</translation>
    </message>
    <message>
        <source>Složku %1 nelze projít: %2</source>
        <translation>Cannot read the folder %1: %2</translation>
    </message>
    <message>
        <source>Soubor %1 neexistuje.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Soubor %1 není zpráva SRS, tabulka SRS ani soubor skupin RGO; vynechán.</source>
        <translation>The file %1 is neither an SRS report, an SRS table nor an RGO group file; skipped.</translation>
    </message>
    <message>
        <source>Novou databázi založí příkaz import-groups --new %1 SOUBOR...</source>
        <translation>The command import-groups --new %1 FILE... creates a new database.</translation>
    </message>
    <message>
        <source>Složka %1 neexistuje.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Ve složce %1 není soubor datax.dat.</source>
        <translation>There is no datax.dat file in the folder %1.</translation>
    </message>
    <message>
        <source>Soubor datax.dat ve složce %1 neobsahuje žádný zákres; nic se nezměnilo.</source>
        <translation>The file datax.dat in the folder %1 holds no drawing; nothing was changed.</translation>
    </message>
    <message>
        <source>Soubor datax.dat se nenačetl celý, proto se nepřepisuje.</source>
        <translation>The file datax.dat was not loaded whole, so it is not overwritten.</translation>
    </message>
    <message>
        <source>Ve složce %1 už soubor datax.dat je; nová databáze se zakládá jen ve složce bez něj. Nic se nezměnilo.</source>
        <translation>The folder %1 already has a datax.dat file; a new database is created only in a folder without one. Nothing was changed.</translation>
    </message>
    <message>
        <source>Složku %1 nelze vytvořit: %2.</source>
        <translation>Cannot create the folder %1: %2.</translation>
    </message>
    <message>
        <source>rok mimo %1–%2</source>
        <translation>year outside %1–%2</translation>
    </message>
    <message>
        <source>Soubor %1 není ve složce %2 ani v %3.</source>
        <translation>The file %1 is neither in the folder %2 nor in %3.</translation>
    </message>
    <message>
        <source>datum nebo číslo</source>
        <translation>date or number</translation>
    </message>
    <message>
        <source>datum nebo plocha</source>
        <translation>date or area</translation>
    </message>
    <message>
        <source>datum, čas nebo tok</source>
        <translation>date, time or flux</translation>
    </message>
    <message>
        <source>Ze zdrojů %1 a %2 se nepřečetla žádná hodnota, proto se žádný soubor dssn&lt;rok&gt;.dat nezapsal a původní soubor zůstal beze změny.</source>
        <translation>No value was read from the sources %1 and %2, so no dssn&lt;year&gt;.dat file was written and the existing files were left unchanged.</translation>
    </message>
    <message>
        <source>Ze zdroje %1 se nepřečetla žádná hodnota, proto se žádný soubor dssn&lt;rok&gt;.dat nezapsal a původní soubor zůstal beze změny.</source>
        <translation>No value was read from the source %1, so no dssn&lt;year&gt;.dat file was written and the existing files were left unchanged.</translation>
    </message>
    <message>
        <source>Ze zdroje %1 se nepřečetla žádná hodnota, proto se soubor %2 nezapsal a původní soubor zůstal beze změny.</source>
        <translation>No value was read from the source %1, so the file %2 was not written and the existing file was left unchanged.</translation>
    </message>
    <message>
        <source>Složka %1 neexistuje; nic se nezapsalo.</source>
        <translation>The folder %1 does not exist; nothing was written.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze zapsat: %2. Žádný ze souborů se nezměnil.</source>
        <translation>Cannot write the file %1: %2. None of the files was changed.</translation>
    </message>
    <message>
        <source>chybí údaje</source>
        <translation>fields missing</translation>
    </message>
    <message>
        <source>číslo oblasti</source>
        <translation>region number</translation>
    </message>
    <message>
        <source>poloha</source>
        <translation>location</translation>
    </message>
    <message>
        <source>typ skupiny</source>
        <translation>group class</translation>
    </message>
    <message>
        <source>počet skvrn</source>
        <translation>number of spots</translation>
    </message>
    <message>
        <source>%1: chybí platné datum vydání (řádek :Issued:)</source>
        <translation>%1: no valid issue date (line :Issued:)</translation>
    </message>
    <message>
        <source>%1: chybí oddíl I (Regions with Sunspots)</source>
        <translation>%1: section I (Regions with Sunspots) is missing</translation>
    </message>
    <message>
        <source>čas platnosti poloh</source>
        <translation>time the locations are valid at</translation>
    </message>
</context>
<context>
    <name>KFactors</name>
    <message>
        <source>vše</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Pozorovatel</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Rok</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Dny</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>rozptyl</source>
        <translation>spread</translation>
    </message>
    <message>
        <source>korelace</source>
        <translation>correlation</translation>
    </message>
    <message>
        <source>posun</source>
        <translation>drift</translation>
    </message>
</context>
<context>
    <name>LoadFindings</name>
    <message>
        <source>č. %1 %2</source>
        <translation>no. %1 %2</translation>
    </message>
    <message>
        <source> a dalších %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>Zákresy s nečitelným datem</source>
        <translation>Drawings with an unreadable date</translation>
    </message>
    <message>
        <source>Zákresy s nemožným časem (hhmm nad 2359)</source>
        <translation>Drawings with an impossible time (hhmm above 2359)</translation>
    </message>
    <message>
        <source>%1 čas %2</source>
        <translation>%1 time %2</translation>
    </message>
    <message>
        <source>Zákresy s neúplným letopočtem (rok se čte tak, jak je zapsán, soubor se nemění)</source>
        <translation>Drawings with an incomplete year (the year is read as written, the file is not changed)</translation>
    </message>
    <message>
        <source>Zákresy s více než 40 skupinami nebo fakulemi (načte se jen 40)</source>
        <translation>Drawings with more than 40 groups or faculae (only 40 are loaded)</translation>
    </message>
    <message>
        <source>%1 %2 skupin, %3 fakulí</source>
        <translation>%1 %2 groups, %3 faculae</translation>
    </message>
</context>
<context>
    <name>MagnetCycles</name>
    <message>
        <source>Srovnání cyklů z magn.dat: šířky %1 až %2 %3, polarita %4</source>
        <translation>Cycles compared from magn.dat: latitudes %1 to %2 %3, polarity %4</translation>
    </message>
    <message>
        <source>sever i jih</source>
        <translation>north and south</translation>
    </message>
    <message>
        <source>sever</source>
        <translation>north</translation>
    </message>
    <message>
        <source>větší</source>
        <translation>greater</translation>
    </message>
    <message>
        <source>menší</source>
        <translation>less</translation>
    </message>
    <message>
        <source>otočky od začátku cyklu</source>
        <translation>rotations from the start of the cycle</translation>
    </message>
    <message>
        <source>cyklus %1: otočky %2 až %3</source>
        <translation>cycle %1: rotations %2 to %3</translation>
    </message>
    <message>
        <source>Šířky „Od“ a „Do“ musí ležet mezi 0° a 60°.</source>
        <translation>The latitudes “From” and “To” must lie between 0° and 60°.</translation>
    </message>
    <message>
        <source>Pás šířek od „Od“ do „Do“ musí být široký aspoň jeden stupeň.</source>
        <translation>The band of latitudes from “From” to “To” must be at least one degree wide.</translation>
    </message>
    <message>
        <source>Počet cyklů musí být 1 až %1.</source>
        <translation>The number of cycles must be 1 to %1.</translation>
    </message>
    <message>
        <source>Otočka musí být aspoň %1 (první otočka souboru magn.dat).</source>
        <translation>The rotation must be at least %1 (the first rotation of the file magn.dat).</translation>
    </message>
</context>
<context>
    <name>MagnetCyclesBox</name>
    <message>
        <source>Od  °</source>
        <translation>From  °</translation>
    </message>
    <message>
        <source>Do  °</source>
        <translation>To  °</translation>
    </message>
    <message>
        <source>Cykly</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Otočka</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Větší</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Menší</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>Sever+Jih</source>
        <translation>North+South</translation>
    </message>
    <message>
        <source>Potvrdit</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Od a Do jsou šířky ve stupních, Cykly a Otočka celá čísla.</source>
        <translation>From and To are latitudes in degrees, Cycles and Rotation whole numbers.</translation>
    </message>
</context>
<context>
    <name>MagnetoUnderlay</name>
    <message>
        <source>Nejsou data pro magnetosféru</source>
        <translation>No data for the magnetosphere</translation>
    </message>
</context>
<context>
    <name>MainCaption</name>
    <message>
        <source> Vizuálně   (Heliografické sou</source>
        <translation> Visual   (Heliographic coordinates)</translation>
    </message>
    <message>
        <source> (Polární souřadnice)  (průměr zákresu  %1 mm)</source>
        <translation> (Polar coordinates)  (drawing diameter  %1 mm)</translation>
    </message>
    <message>
        <source>Ardeno - zákresy sluneční fotosféry</source>
        <translation>Ardeno - drawings of the solar photosphere</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Jen pro čtení: soubor datax.dat se při spuštění nenačetl a program ho nepřepíše</source>
        <translation>Read only: the file datax.dat was not loaded at start-up and the program will not overwrite it</translation>
    </message>
    <message>
        <source>&amp;Jazyk</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Jazyk oken se změní při příštím spuštění programu.</source>
        <translation>The language of the windows changes at the next start of the program.</translation>
    </message>
    <message>
        <source>O&amp;dstranit zákres…</source>
        <translation>&amp;Remove drawing…</translation>
    </message>
    <message>
        <source>&amp;Jít na datum…</source>
        <translation>&amp;Go to date…</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Není co vrátit</source>
        <translation>Nothing to undo</translation>
    </message>
    <message>
        <source>Znovu</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Není co opakovat</source>
        <translation>Nothing to redo</translation>
    </message>
    <message>
        <source>Příručka</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>
Program data načte, ale uloží je, až jiný program skončí (soubor datax.dat, který mezitím uloží, přepíše jen po dotazu).</source>
        <translation>
The program loads the data but saves them only after the other program ends (a datax.dat that it saves meanwhile is overwritten only after asking).</translation>
    </message>
    <message>
        <source>Jen pro čtení</source>
        <translation>Read only</translation>
    </message>
    <message>
        <source> F8   - Uloží bitmapu okna<byte value="xd"/> F9   - Podkreslí zákres magnetosférou<byte value="xd"/> F12  - Sloučení souborů dat pro fakule<byte value="xd"/> f      - Překreslování dat fakulí<byte value="xd"/> p      - Přepočet ploch fakulí<byte value="xd"/> z-v   - zap.vyp propojení skupiny</source>
        <translation> F8   - Saves a bitmap of the window<byte value="xd"/> F9   - Underlays the drawing with magnetograms<byte value="xd"/> F12  - Merges the data files of faculae<byte value="xd"/> f      - Redraws the faculae data<byte value="xd"/> p      - Recomputes the facular areas<byte value="xd"/> z-v   - group links on/off</translation>
    </message>
    <message>
        <source>S&amp;tanice…</source>
        <translation>S&amp;tation…</translation>
    </message>
</context>
<context>
    <name>MapRotation</name>
    <message>
        <source>Mapa   %1 - %2</source>
        <translation>Map   %1 - %2</translation>
    </message>
</context>
<context>
    <name>MapsWindow</name>
    <message>
        <source>Cykly magnetosféry</source>
        <translation>Magnetosphere cycles</translation>
    </message>
    <message>
        <source>Soubor magn.dat zatím není: vytvoří ho součet magnetogramů (klávesa P v okně map).</source>
        <translation>There is no magn.dat yet: the sum of the magnetograms makes it (key P in the maps window).</translation>
    </message>
    <message>
        <source>Text, který se vytiskne pod mapou:</source>
        <translation>Text printed below the map:</translation>
    </message>
</context>
<context>
    <name>MergeRecords</name>
    <message>
        <source>Soubor %1 nelze přečíst: %2.</source>
        <translation>The file %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>V přidaných datech jsou shodné datumy %1x! Vyločit je?</source>
        <translation>The added data contain equal dates %1 times! Leave them out?</translation>
    </message>
    <message>
        <source>Tyto zákresy přidávaného souboru se nepřidaly, protože neprošly kontrolou, kterou prochází každé načtení dat (čísla jsou pořadí v souboru):</source>
        <translation>These drawings of the added file were not added because they failed the check every load of data passes (the numbers are their order in the file):</translation>
    </message>
    <message>
        <source>Lze přidat jen 1999 zakresu !! </source>
        <translation>Only 1999 drawings can be added!! </translation>
    </message>
    <message>
        <source>Soubor %1 je datový soubor této složky; sám do sebe se nepřidává, každý zákres by v datech byl dvakrát. Nic se nezměnilo.</source>
        <translation>The file %1 is this folder&apos;s own data file; it is not added to itself, every drawing would be in the data twice. Nothing changed.</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>MonthNames</name>
    <message>
        <source>Leden</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Únor</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Březen</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Duben</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Květen</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Červen</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Červenec</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Srpen</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Září</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Říjen</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Listopad</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Prosinec</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>NetworkCodes</name>
    <message>
        <source>Znak &quot;%1&quot; na místě %2 do kódu nepatří.</source>
        <translation>The character &quot;%1&quot; at position %2 does not belong in a code.</translation>
    </message>
    <message>
        <source>Kód není zadán.</source>
        <translation>No code is given.</translation>
    </message>
    <message>
        <source>Zadaný kód &quot;%1&quot; má %2 znaků.</source>
        <translation>The code given, &quot;%1&quot;, has %2 characters.</translation>
    </message>
    <message>
        <source>Označení stanice pro zprávu USSPS má pět písmen nebo číslic (například 11001).</source>
        <translation>The station indicator of a USSPS message has five letters or digits (for example 11001).</translation>
    </message>
    <message>
        <source>Kód pozorovatele AAVSO má jedno až šest písmen nebo číslic.</source>
        <translation>An AAVSO observer code has one to six letters or digits.</translation>
    </message>
</context>
<context>
    <name>NetworkExportPanel</name>
    <message>
        <source>Export pro sítě</source>
        <translation>Export for networks</translation>
    </message>
    <message>
        <source>ISES USSPS (denní zprávy)</source>
        <translation>ISES USSPS (daily messages)</translation>
    </message>
    <message>
        <source>BAA (měsíční formulář CSV)</source>
        <translation>BAA (monthly form, CSV)</translation>
    </message>
    <message>
        <source>AAVSO (měsíční výkaz)</source>
        <translation>AAVSO (monthly report)</translation>
    </message>
    <message>
        <source>Síť</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Měsíc a rok, například 5.2003</source>
        <translation>Month and year, for example 5.2003</translation>
    </message>
    <message>
        <source>Měsíc (M.RRRR)</source>
        <translation>Month (M.YYYY)</translation>
    </message>
    <message>
        <source>Zapsat</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Zapíše soubor měsíce do složky Sítě</source>
        <translation>Writes the month&apos;s file into the folder Sítě</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Označení stanice</source>
        <translation>Station indicator</translation>
    </message>
    <message>
        <source>Kód pozorovatele</source>
        <translation>Observer code</translation>
    </message>
    <message>
        <source>Kód</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>V měsíci %1 není žádný zákres.</source>
        <translation>There is no drawing in the month %1.</translation>
    </message>
    <message>
        <source>Zapsáno: %1</source>
        <translation>Written: %1</translation>
    </message>
    <message>
        <source>Soubor %1 už existuje. Přepsat?</source>
        <translation>The file %1 exists already. Replace it?</translation>
    </message>
</context>
<context>
    <name>PhotoDrawingWindow</name>
    <message>
        <source>Rozpoznat</source>
        <translation>Recognize</translation>
    </message>
    <message>
        <source>Najde na obrázku kruh, sever a skvrny a navrhne skupiny pro vybraný zákres; klik pak skvrnu ubere nebo přidá, tažením se skvrna přesune do jiné skupiny nebo do vlastní, se Shiftem celá skupina</source>
        <translation>Finds the disk, north and spots on the picture and proposes groups for the chosen drawing; a click then takes a spot away or adds one, a drag moves a spot into another group or into one of its own, with Shift the whole group</translation>
    </message>
    <message>
        <source>Vrátit opravu</source>
        <translation>Undo correction</translation>
    </message>
    <message>
        <source>Vrátí poslední opravu rozpoznání: přidanou nebo ubranou skvrnu, přesun skvrny nebo skupiny</source>
        <translation>Takes back the last correction of the recognition: a spot added or taken away, a spot or group moved</translation>
    </message>
    <message>
        <source>Zapiš skupiny</source>
        <translation>Write groups</translation>
    </message>
    <message>
        <source>Zapíše navržené skupiny do vybraného zákresu (typ potvrďte v editoru)</source>
        <translation>Writes the proposed groups into the chosen drawing (confirm the class in the editor)</translation>
    </message>
    <message>
        <source>Navrženo skupin: %1, skvrn: %2</source>
        <translation>Groups proposed: %1, spots: %2</translation>
    </message>
    <message>
        <source>Rozpoznání nenavrhlo žádnou skupinu.</source>
        <translation>The recognition proposed no group.</translation>
    </message>
    <message>
        <source>Zapsáno skupin: %1. Navržené typy skupin potvrďte nebo opravte v editoru (Oprava dat).</source>
        <translation>Groups written: %1. Confirm or correct the proposed classes in the editor (Correct data).</translation>
    </message>
    <message>
        <source>Osa Slunce</source>
        <translation>Solar axis</translation>
    </message>
    <message>
        <source>Čára nakreslená středem zákresu je osa rotace Slunce (označený konec je severní pól), ne čára sever-jih: Rozpoznat od jejího směru odečte P</source>
        <translation>The line drawn through the centre is the Sun&apos;s rotation axis (the marked end is the north pole), not the north-south line: Recognize takes P off its direction</translation>
    </message>
    <message>
        <source>Rozpoznávání: krok %1 ze %2</source>
        <translation>Recognising: step %1 of %2</translation>
    </message>
</context>
<context>
    <name>PhotoEntry</name>
    <message>
        <source>Fotografie je podle svých údajů z %1, ale vybraný zákres je z %2.
Zapsat do něj přesto údaje z této fotografie?</source>
        <translation>By its own data the photograph is from %1, but the chosen drawing is from %2.
Write the data of this photograph into it anyway?</translation>
    </message>
    <message>
        <source>Číslo fakule nula</source>
        <translation>Facula number zero</translation>
    </message>
    <message>
        <source>Počet fakulí jen 40 !</source>
        <translation>No more than 40 faculae!</translation>
    </message>
    <message>
        <source>Pozice přesahuje poloměr zákresu, změnit</source>
        <translation>The position lies beyond the drawing&apos;s radius; change it</translation>
    </message>
    <message>
        <source>Max. 6 bodů</source>
        <translation>Max. 6 points</translation>
    </message>
    <message>
        <source>Špatně zadaný typ skupiny</source>
        <translation>Wrong group type</translation>
    </message>
    <message>
        <source>Nabyl zadán typ nebo číslo skupiny  - povinné</source>
        <translation>The group&apos;s type or number is missing  - both are required</translation>
    </message>
    <message>
        <source>Maximální počet skupin je 40 !</source>
        <translation>The largest number of groups is 40!</translation>
    </message>
    <message>
        <source>Vzdálenost skvrny přesahuje poloměr zákresu, změnit</source>
        <translation>The spot&apos;s distance exceeds the drawing&apos;s radius; change it</translation>
    </message>
    <message>
        <source>Musí být zadám daný záznam s datumen a časem do ktrého se data zapíšou !   </source>
        <translation>First choose the drawing, with its date and time, that the data are written into!   </translation>
    </message>
</context>
<context>
    <name>PictureOutput</name>
    <message>
        <source>Soubor %1 už ve složce s daty je a %2 se přes něj nezapíše, aby se neztratila data. Zvol jiné jméno.</source>
        <translation>The file %1 is in the data folder already and the %2 is not written over it, so that no data are lost. Choose another name.</translation>
    </message>
    <message>
        <source>Soubor %1 už existuje a není to %2, proto se přes něj nic nezapsalo.</source>
        <translation>The file %1 exists already and is not a %2, so nothing was written over it.</translation>
    </message>
    <message>
        <source>Soubor %1 nemá příponu obrázku (.png, .jpg, .bmp, .svg nebo .pdf); podle ní se volí formát, proto se nic nezapsalo.</source>
        <translation>The file %1 has no picture extension (.png, .jpg, .bmp, .svg or .pdf), which chooses the format, so nothing was written.</translation>
    </message>
    <message>
        <source>obrázek</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>obrázek %1</source>
        <translation>%1 picture</translation>
    </message>
    <message>
        <source>Soubor %1 nemá příponu .csv, proto se čísla nezapsala.</source>
        <translation>The file %1 has no extension .csv, so the numbers were not written.</translation>
    </message>
    <message>
        <source>tabulka čísel</source>
        <translation>table of numbers</translation>
    </message>
    <message>
        <source>textový soubor</source>
        <translation>text file</translation>
    </message>
    <message>
        <source>Soubor %1 by byl ve složce s daty: %2 se do ní nezapisuje, aby se nic neztratilo. Zvol jinou složku.</source>
        <translation>The file %1 would be in the data folder: no %2 is written there, so that nothing is lost. Choose another folder.</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>Soubor není obrázek PNG ani JPG.</source>
        <translation>The file is not a PNG or JPG picture.</translation>
    </message>
</context>
<context>
    <name>Quality</name>
    <message>
        <source>Období se zadává jako měsíc M.RRRR nebo rok RRRR (například 3.2014 nebo 2014).</source>
        <translation>A period is given as a month M.YYYY or a year YYYY (for example 3.2014 or 2014).</translation>
    </message>
    <message>
        <source>Číslo %1 má v otočce %2 už skupina ze zákresu %3 na délce %4° a šířce %5°, o %6° dál; nemá tato skupina dostat nové číslo?</source>
        <translation>In rotation %2 the number %1 is held already by a group of the drawing of %3 at longitude %4° and latitude %5°, %6° away; should this group get a new number?</translation>
    </message>
    <message>
        <source>Skupina č. %1 je od zákresu %2 o %3° v šířce a o %4° v délce jinde, než ji mohla posunout rotace Slunce; není to jiná skupina nebo chybná poloha?</source>
        <translation>Group no. %1 is %3° in latitude and %4° in longitude away from where the Sun&apos;s rotation could have moved it since the drawing of %2; is it another group or a wrong position?</translation>
    </message>
    <message>
        <source>Skupina, kterou zákresy od %1 do %2 vedou %3x jako č. %4, má tu číslo %5 (sledováno podle polohy); není to překlep?</source>
        <translation>The group that the drawings from %1 to %2 give %3 times as no. %4 has the number %5 here (followed by its position); is it a typing error?</translation>
    </message>
    <message>
        <source>pro %1 %2° až %3°</source>
        <translation>for %1 %2° to %3°</translation>
    </message>
    <message>
        <source>pro %1 nejméně %2°</source>
        <translation>for %1 at least %2°</translation>
    </message>
    <message>
        <source>pro %1 nejvýše %2°</source>
        <translation>for %1 at most %2°</translation>
    </message>
    <message>
        <source>Skupina leží na šířce %1°, kde skvrny skoro nebývají (nad %2°); není chybně zadán úhel nebo vzdálenost?</source>
        <translation>The group lies at latitude %1°, where spots hardly ever are (above %2°); was the angle or the distance entered wrongly?</translation>
    </message>
    <message>
        <source>Třída %1 neodpovídá délkovému rozsahu skupiny %2° (%3); není chybná třída nebo poloha pomocné skvrny?</source>
        <translation>The class %1 does not fit the group&apos;s extent in longitude %2° (%3); is the class or the position of the auxiliary spot wrong?</translation>
    </message>
    <message>
        <source>Q01 vynechána: %1</source>
        <translation>Q01 skipped: %1</translation>
    </message>
    <message>
        <source>ve složce dat není soubor %1 se zeměpisnou polohou stanice.</source>
        <translation>the data folder has no file %1 with the station&apos;s geographic position.</translation>
    </message>
    <message>
        <source>Q07 vynechána: ve složce SIDC nejsou denní čísla SILSO (dssn&lt;rok&gt;.dat).</source>
        <translation>Q07 skipped: the SIDC folder has no SILSO daily numbers (dssn&lt;year&gt;.dat).</translation>
    </message>
    <message>
        <source>chyba</source>
        <translation>error</translation>
    </message>
    <message>
        <source>varování</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>%1 č.%2 skupina %3 %4 %5 %6</source>
        <translation>%1 no.%2 group %3 %4 %5 %6</translation>
    </message>
    <message>
        <source>%1 č.%2 %3 %4 %5</source>
        <translation>%1 no.%2 %3 %4 %5</translation>
    </message>
    <message>
        <source>Slunce bylo v %1 UT pod obzorem stanice (výška %2°); není zapsán místní čas místo UT?</source>
        <translation>The Sun was below the station&apos;s horizon at %1 UT (altitude %2°); was local time written instead of UT?</translation>
    </message>
    <message>
        <source>Skupiny polokoulí g %1 + %2 nedávají %3 skupin zákresu; přepočítejte výsledky zákresu.</source>
        <translation>The hemispheres&apos; groups g %1 + %2 do not make the drawing&apos;s %3 groups; recompute the drawing&apos;s results.</translation>
    </message>
    <message>
        <source>Skvrny polokoulí f %1 + %2 nedávají %3 skvrn zákresu; přepočítejte výsledky zákresu.</source>
        <translation>The hemispheres&apos; spots f %1 + %2 do not make the drawing&apos;s %3 spots; recompute the drawing&apos;s results.</translation>
    </message>
    <message>
        <source>Relativní čísla polokoulí R %1 a %2 nejsou 10g + f; přepočítejte výsledky zákresu.</source>
        <translation>The hemispheres&apos; relative numbers R %1 and %2 are not 10g + f; recompute the drawing&apos;s results.</translation>
    </message>
    <message>
        <source>Zákres nese značku severní polokoule, ale má skupiny na obou polokoulích; patří značka jen zákresu s jednou polokoulí.</source>
        <translation>The drawing carries the northern hemisphere marker but has groups in both hemispheres; the marker belongs only to a drawing of one hemisphere.</translation>
    </message>
    <message>
        <source>Zákres nese značku jižní polokoule, ale má skupiny na obou polokoulích; patří značka jen zákresu s jednou polokoulí.</source>
        <translation>The drawing carries the southern hemisphere marker but has groups in both hemispheres; the marker belongs only to a drawing of one hemisphere.</translation>
    </message>
    <message>
        <source>Podmínky pozorování (PP)</source>
        <translation>Observing conditions (PP)</translation>
    </message>
    <message>
        <source>Kvalita obrazu (Obr.)</source>
        <translation>Image quality (Obr.)</translation>
    </message>
    <message>
        <source>Hodnocení Q</source>
        <translation>Rating Q</translation>
    </message>
    <message>
        <source>%1 %2 je mimo rozsah 0 až %3; nejde o překlep?</source>
        <translation>%1 %2 is outside the range 0 to %3; is it a typing error?</translation>
    </message>
    <message>
        <source>Čas 0:00 UT; nejspíš nebyl zadán.</source>
        <translation>Time 0:00 UT; most likely it was not entered.</translation>
    </message>
    <message>
        <source>Čas %1 není platný čas hhmm; nejsou přehozeny číslice?</source>
        <translation>Time %1 is not a valid time hhmm; are digits swapped?</translation>
    </message>
    <message>
        <source>Zákres je z %1 UT, tedy později, než byl soubor dat naposledy změněn (%2 %3 UT); není chybné datum nebo čas?</source>
        <translation>The drawing is of %1 UT, later than the data file was last changed (%2 %3 UT); is the date or the time wrong?</translation>
    </message>
    <message>
        <source>R %1 × k %2 = %3, SILSO %4; není špatně zapsán počet skupin nebo skvrn, nebo den?</source>
        <translation>R %1 × k %2 = %3, SILSO %4; was the number of groups or spots, or the day, written wrongly?</translation>
    </message>
    <message>
        <source>Zeměpisná šířka stanice musí být mezi -90 a 90 stupni.</source>
        <translation>The station&apos;s latitude must be between -90 and 90 degrees.</translation>
    </message>
    <message>
        <source>Zeměpisná délka stanice musí být mezi -180 a 180 stupni.</source>
        <translation>The station&apos;s longitude must be between -180 and 180 degrees.</translation>
    </message>
    <message>
        <source>šířka</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>délka</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>%1, řádek %2: &quot;%3&quot; není zeměpisná %4 ve stupních s desetinnou tečkou.</source>
        <translation>%1, line %2: &quot;%3&quot; is not a geographic %4 in degrees with a decimal point.</translation>
    </message>
    <message>
        <source>Skupina (%1) leží jen %2° od skupiny %3 (%4) téhož zákresu; není zapsána dvakrát?</source>
        <translation>The group (%1) lies only %2° from group %3 (%4) of the same drawing; was it entered twice?</translation>
    </message>
    <message>
        <source>Řádek je prázdný.</source>
        <translation>The line is empty.</translation>
    </message>
    <message>
        <source>Znak &quot;%1&quot; na místě %2 do čísla nepatří.</source>
        <translation>The character &quot;%1&quot; at position %2 does not belong in a number.</translation>
    </message>
    <message>
        <source>Podmínky/obraz/kvalita nezadány: %1 = 0 (stupnice je 1 až 5); doplňte je opravou zákresu.</source>
        <translation>Conditions/image/quality not entered: %1 = 0 (the scale is 1 to 5); add them by correcting the drawing.</translation>
    </message>
</context>
<context>
    <name>QualityView</name>
    <message>
        <source>Období:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Měsíc</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Rok</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Celá databáze</source>
        <translation>Whole database</translation>
    </message>
    <message>
        <source>Měsíc jako M.RRRR, rok jako RRRR</source>
        <translation>Month as M.YYYY, year as YYYY</translation>
    </message>
    <message>
        <source>Zkontrolovat</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Poloha stanice</source>
        <translation>Station position</translation>
    </message>
    <message>
        <source>Poloha stanice (stupně s desetinnou tečkou)</source>
        <translation>Station position (degrees with a decimal point)</translation>
    </message>
    <message>
        <source>Šířka (sever +):</source>
        <translation>Latitude (north +):</translation>
    </message>
    <message>
        <source>Délka (východ +):</source>
        <translation>Longitude (east +):</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Výsledky    kontrola dat</source>
        <translation>Results    data check</translation>
    </message>
    <message>
        <source>Chyb: %1, varování: %2</source>
        <translation>Errors: %1, warnings: %2</translation>
    </message>
</context>
<context>
    <name>QuietCalendar</name>
    <message>
        <source>den se zákresem bez skvrn (relativní číslo 0)</source>
        <translation>day with a drawing without spots (relative number 0)</translation>
    </message>
</context>
<context>
    <name>RecordEditor</name>
    <message>
        <source>Typ   = Typ skupiny<byte value="xd"/>poč.  = počet skvrn ve skupině<byte value="xd"/>s pen = počet skvrn s penumbrou<byte value="xd"/></source>
        <translation>Type  = group type<byte value="xd"/>spots = number of spots in the group<byte value="xd"/>pen.  = number of spots with penumbra<byte value="xd"/></translation>
    </message>
    <message>
        <source>  l        = heliografická délka</source>
        <translation>  l        = heliographic longitude</translation>
    </message>
    <message>
        <source>  b       = heliografická šířka</source>
        <translation>  b       = heliographic latitude</translation>
    </message>
    <message>
        <source> plocha= plocha skvrn ve skupině - miliontiny</source>
        <translation>area  = spot area of the group - millionths</translation>
    </message>
    <message>
        <source> mal.s = počet malých skvrn menší než 20 mili.</source>
        <translation>sm.sp = number of small spots below 20 millionths</translation>
    </message>
    <message>
        <source>č.sk1. = číslo skupiny globalní</source>
        <translation>grp1  = global group number</translation>
    </message>
    <message>
        <source>č.sk2. = číslo skupiny v rotaci( důležité)</source>
        <translation>grp2  = group number in the rotation (important)</translation>
    </message>
    <message>
        <source> úhel = polární souřadnice  úhel</source>
        <translation>angle = polar coordinate  angle</translation>
    </message>
    <message>
        <source> vzd.  = polární souřadnice  vzdálenost</source>
        <translation>dist. = polar coordinate  distance</translation>
    </message>
    <message>
        <source> plocha= plocha skvrn ve skupině</source>
        <translation>area  = spot area of the group</translation>
    </message>
    <message>
        <source> mal.s = počet malých skvrn menší než 1 mm2</source>
        <translation>sm.sp = number of small spots below 1 mm2</translation>
    </message>
    <message>
        <source>uhel1  = úhel 1. pomocné skvrny</source>
        <translation>ang1  = angle of auxiliary spot 1</translation>
    </message>
    <message>
        <source> vzd1. = vzdálenost 1. pomocné skvrny</source>
        <translation>dist1 = distance of auxiliary spot 1</translation>
    </message>
    <message>
        <source> plo.1 = plocha 1. pomocné skvrny</source>
        <translation>area1 = area of auxiliary spot 1</translation>
    </message>
    <message>
        <source>uhel2  = úhel 2. pomocné skvrny</source>
        <translation>ang2  = angle of auxiliary spot 2</translation>
    </message>
    <message>
        <source> vzd2. = vzdálenost 2. pomocné skvrny</source>
        <translation>dist2 = distance of auxiliary spot 2</translation>
    </message>
    <message>
        <source> plo.2 = plocha 2. pomocné skvrny</source>
        <translation>area2 = area of auxiliary spot 2</translation>
    </message>
    <message>
        <source>Nový zákres</source>
        <translation>New drawing</translation>
    </message>
    <message>
        <source>Zvláštní záznam</source>
        <translation>Special record</translation>
    </message>
    <message>
        <source>Oprava dat</source>
        <translation>Correction of data</translation>
    </message>
    <message>
        <source>Zákresy Sluneční fotosféry    (Polární souřadnice)</source>
        <translation>Drawings of the solar photosphere    (Polar coordinates)</translation>
    </message>
    <message>
        <source>Zákresy Sluneční fotosféry    (Heliografické souřadnice)</source>
        <translation>Drawings of the solar photosphere    (Heliographic coordinates)</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>poč</source>
        <translation>spots</translation>
    </message>
    <message>
        <source>s pen.</source>
        <translation>pen.</translation>
    </message>
    <message>
        <source>úhel</source>
        <translation>angle</translation>
    </message>
    <message>
        <source>vzd.</source>
        <translation>dist.</translation>
    </message>
    <message>
        <source>plocha.</source>
        <translation>area</translation>
    </message>
    <message>
        <source>mal.s.</source>
        <translation>sm.sp</translation>
    </message>
    <message>
        <source>č.sk1</source>
        <translation>grp1</translation>
    </message>
    <message>
        <source>č.sk2</source>
        <translation>grp2</translation>
    </message>
    <message>
        <source>úhel1</source>
        <translation>ang1</translation>
    </message>
    <message>
        <source>vzd.1</source>
        <translation>dist1</translation>
    </message>
    <message>
        <source>plo.1</source>
        <translation>area1</translation>
    </message>
    <message>
        <source>úhel2</source>
        <translation>ang2</translation>
    </message>
    <message>
        <source>vzd.2</source>
        <translation>dist2</translation>
    </message>
    <message>
        <source>plo.2</source>
        <translation>area2</translation>
    </message>
    <message>
        <source>Změna souřadnic na l b</source>
        <translation>Switch coordinates to l b</translation>
    </message>
    <message>
        <source>Změna souřadnic na úhel vzdálenost </source>
        <translation>Switch coordinates to angle distance </translation>
    </message>
    <message>
        <source>Potvrdit  zadávání</source>
        <translation>Confirm  entry</translation>
    </message>
    <message>
        <source>Návrat</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Počet vložených záznamů na jedno otevření programu</source>
        <translation>Number of records entered since the program was opened</translation>
    </message>
    <message>
        <source>Plocha se zadává v miliontinách </source>
        <translation>The area is entered in millionths </translation>
    </message>
    <message>
        <source>Špatně zadaný typ skupiny</source>
        <translation>Wrong group type</translation>
    </message>
    <message>
        <source>Již bylo uloženo 198 záktresů , pro jistotu zavři program a znona sputit </source>
        <translation>198 drawings have already been stored; to be safe, close the program and start it again </translation>
    </message>
    <message>
        <source>Bylo špatně zadáno datum<byte value="xd"/>záznam nebude zapsán</source>
        <translation>The date was entered wrongly<byte value="xd"/>the record will not be written</translation>
    </message>
    <message>
        <source>Záznam již exisistuje !!! </source>
        <translation>The record already exists!!! </translation>
    </message>
    <message>
        <source>Není zadáno jméno pozorovatele</source>
        <translation>The observer&apos;s name is not entered</translation>
    </message>
    <message>
        <source>Maximálni počet skupin je 40 !</source>
        <translation>The largest number of groups is 40!</translation>
    </message>
    <message>
        <source> Neni zadané datum !!!!</source>
        <translation> No date entered!!!!</translation>
    </message>
    <message>
        <source>Úhel je maximálně 360 stupňů </source>
        <translation>The angle is at most 360 degrees </translation>
    </message>
    <message>
        <source>Maximální číslo v otočce je 70</source>
        <translation>The largest number in a rotation is 70</translation>
    </message>
    <message>
        <source>Oprava až po kliknutí na záznam ve výběru  </source>
        <translation>Correction only after clicking a record in the list  </translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Datum zákresu</source>
        <translation>Date of the drawing</translation>
    </message>
    <message>
        <source>Čas    UT</source>
        <translation>Time   UT</translation>
    </message>
    <message>
        <source>Zadat čas ve formátu  bez dvojtečky   7:05  =  705</source>
        <translation>Enter the time without a colon   7:05  =  705</translation>
    </message>
    <message>
        <source>Podmínky pozorování</source>
        <translation>Observing conditions</translation>
    </message>
    <message>
        <source>Kvalita obrazu</source>
        <translation>Image quality</translation>
    </message>
    <message>
        <source>Počet skupin v centrální oblasti</source>
        <translation>Number of groups in the central zone</translation>
    </message>
    <message>
        <source>Počet skvrn v centrální oblasti</source>
        <translation>Number of spots in the central zone</translation>
    </message>
    <message>
        <source>Relativní číslo centrální oblasti</source>
        <translation>Relative number of the central zone</translation>
    </message>
    <message>
        <source>Počet skupin</source>
        <translation>Number of groups</translation>
    </message>
    <message>
        <source>Pčet skupin na zákresu</source>
        <translation>Number of groups on the drawing</translation>
    </message>
    <message>
        <source>Počet fakulí pro kreslení</source>
        <translation>Faculae to draw</translation>
    </message>
    <message>
        <source>Počet fakulových polí pro jejich zakreslování</source>
        <translation>Number of facular fields to draw</translation>
    </message>
    <message>
        <source>Stanice</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Místo pozorování</source>
        <translation>Place of observation</translation>
    </message>
    <message>
        <source>V poli &quot;Čas UT&quot; musí být celé číslo od 0 do 65535</source>
        <translation>The field &quot;Time UT&quot; must hold a whole number from 0 to 65535</translation>
    </message>
    <message>
        <source>Zde se zadávají souřadnice  vrcholů<byte value="xd"/> jednotlivých fakulových polí. <byte value="xd"/> Na jedno pole max. 6 vrcholů</source>
        <translation>Here the coordinates of the vertices<byte value="xd"/> of each facular field are entered. <byte value="xd"/> At most 6 vertices per field</translation>
    </message>
    <message>
        <source>Obr.</source>
        <translation>Img.</translation>
    </message>
    <message>
        <source>Počet fakulových polí</source>
        <translation>Number of facular fields</translation>
    </message>
</context>
<context>
    <name>RecordInput</name>
    <message>
        <source>Špatně zadaná vzdálenst u skupin max. %1</source>
        <translation>Wrongly entered distance of the groups, max. %1</translation>
    </message>
    <message>
        <source>Špatně zadaná vzdálenost u fakulí max. %1</source>
        <translation>Wrongly entered distance of the faculae, max. %1</translation>
    </message>
    <message>
        <source>V poli &quot;%1&quot; musí být celé číslo od 0 do %2<byte value="xd"/>záznam nebude zapsán</source>
        <translation>The field &quot;%1&quot; must hold a whole number from 0 to %2<byte value="xd"/>the record will not be stored</translation>
    </message>
    <message>
        <source>Skupina %1, sloupec &quot;%2&quot;</source>
        <translation>Group %1, column &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Fakule %1, sloupec &quot;%2&quot;</source>
        <translation>Facula %1, column &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: zadejte celé číslo</source>
        <translation>%1: enter a whole number</translation>
    </message>
    <message>
        <source>%1: zadejte číslo</source>
        <translation>%1: enter a number</translation>
    </message>
    <message>
        <source>%1: zadejte celé číslo od 0 do %2</source>
        <translation>%1: enter a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>%1: zadejte číslo od 0 do %2</source>
        <translation>%1: enter a number from 0 to %2</translation>
    </message>
    <message>
        <source>šířka b musí být od -90 do 90</source>
        <translation>latitude b must be from -90 to 90</translation>
    </message>
    <message>
        <source>bod l = %1, b = %2 je na odvrácené straně Slunce (centrální poledník l = %3)</source>
        <translation>the point l = %1, b = %2 is on the far side of the Sun (central meridian l = %3)</translation>
    </message>
    <message>
        <source>Skupina %1, sloupec &quot;%2&quot;: %3<byte value="xd"/>záznam nebude zapsán</source>
        <translation>Group %1, column &quot;%2&quot;: %3<byte value="xd"/>the record will not be stored</translation>
    </message>
    <message>
        <source>Pole &quot;%1&quot; není vyplněno: zadejte hodnocení od %2 do %3<byte value="xd"/>záznam nebude zapsán</source>
        <translation>The field &quot;%1&quot; is not filled in: enter a rating from %2 to %3<byte value="xd"/>the record will not be stored</translation>
    </message>
    <message>
        <source>V poli &quot;%1&quot; musí být hodnocení od %2 do %3<byte value="xd"/>záznam nebude zapsán</source>
        <translation>The field &quot;%1&quot; must hold a rating from %2 to %3<byte value="xd"/>the record will not be stored</translation>
    </message>
</context>
<context>
    <name>RecordList</name>
    <message>
        <source>&quot;%1&quot; není platné datum (záznam %2)</source>
        <translation>&quot;%1&quot; is not a valid date (record %2)</translation>
    </message>
    <message>
        <source>Zákres    %1</source>
        <translation>Drawing    %1</translation>
    </message>
    <message>
        <source>Došlo k chybě zápisu data<byte value="xd"/>bube automaticky opraven</source>
        <translation>The date was written wrongly<byte value="xd"/>and will be repaired automatically</translation>
    </message>
</context>
<context>
    <name>RecordListWindow</name>
    <message>
        <source>Jít na datum (Ctrl+G)</source>
        <translation>Go to date (Ctrl+G)</translation>
    </message>
    <message>
        <source>Den, měsíc nebo rok (5.3.2014, 3.2014, 2014) a Enter: první zákres od toho dne</source>
        <translation>Day, month or year (5.3.2014, 3.2014, 2014) and Enter: the first drawing from that day</translation>
    </message>
</context>
<context>
    <name>RemovedRecords</name>
    <message>
        <source>Odstranit zákres ze dne %1, pozorovatel %2?
Zákres se přidá do souboru %3 a příkaz Zpět (Ctrl+Z) ho vrátí.</source>
        <translation>Remove the drawing of %1, observer %2?
The drawing is added to the file %3 and the Undo command (Ctrl+Z) brings it back.</translation>
    </message>
    <message>
        <source>Nejdřív vyber zákres v seznamu, který se má odstranit.</source>
        <translation>First choose the drawing to remove in the list.</translation>
    </message>
    <message>
        <source>Jediný zákres databáze nelze odstranit.</source>
        <translation>The only drawing of the database cannot be removed.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze přečíst: %2. Zákres nebyl odstraněn.</source>
        <translation>The file %1 cannot be read: %2. The drawing was not removed.</translation>
    </message>
    <message>
        <source>Soubor %1 není celý soubor zákresů (jeho délka není násobkem 1774 bajtů), proto se do něj nezapisuje. Zákres nebyl odstraněn.</source>
        <translation>The file %1 is not a whole file of drawings (its length is not a multiple of 1774 bytes), so nothing is written to it. The drawing was not removed.</translation>
    </message>
    <message>
        <source>Do souboru %1 nelze zapsat: %2. Zákres nebyl odstraněn.</source>
        <translation>The file %1 cannot be written: %2. The drawing was not removed.</translation>
    </message>
</context>
<context>
    <name>ReportDays</name>
    <message>
        <source>Záznam %1 (č. %2) je druhý záznam dne a do výkazu se nezapočítává.</source>
        <translation>The record %1 (no. %2) is the day&apos;s second record and is not counted in the report.</translation>
    </message>
    <message>
        <source>Katalogové dny (NOAA/RGO z importu skupin) vynechány: %1; výkaz obsahuje jen vlastní zákresy stanice.</source>
        <translation>Catalogue days (NOAA/RGO from the group import) left out: %1; the report holds the station&apos;s own drawings only.</translation>
    </message>
</context>
<context>
    <name>ReportMonth</name>
    <message>
        <source>Měsíc se zadává jako M.RRRR: měsíc 1 až 12, rok čtyřmi číslicemi od 0001 do 9999 (například 3.2014).</source>
        <translation>A month is given as M.YYYY: the month 1 to 12, the year in four digits from 0001 to 9999 (for example 3.2014).</translation>
    </message>
</context>
<context>
    <name>ReportPageView</name>
    <message>
        <source>Písmo stránky: klávesa  v  větší,  m  menší</source>
        <translation>Page font: key  v  larger,  m  smaller</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Není soubor Popis.txt: data se zapíší bez popisu; popis stanice zadejte v Zadávání → Stanice.</source>
        <translation>There is no file Popis.txt: the data are written without a description; enter the station&apos;s description in Entry → Station.</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Export pro sítě</source>
        <translation>Export for networks</translation>
    </message>
    <message>
        <source>Bulletin měsíce</source>
        <translation>Month&apos;s bulletin</translation>
    </message>
    <message>
        <source>Bulletin v této sestavě programu není k dispozici.</source>
        <translation>The bulletin is not available in this build of the program.</translation>
    </message>
    <message>
        <source>Bulletin se píše z uložených dat: nejdřív ulož změny.</source>
        <translation>The bulletin is written from the saved data: save the changes first.</translation>
    </message>
    <message>
        <source>Bulletin je ve složce %1 (stránka index.html).</source>
        <translation>The bulletin is in the folder %1 (page index.html).</translation>
    </message>
    <message>
        <source>Přesto ho přepsat?</source>
        <translation>Replace it all the same?</translation>
    </message>
    <message>
        <source>Jen vlastní zákresy</source>
        <translation>Own drawings only</translation>
    </message>
    <message>
        <source>Naměřené a vyhlazené tabulky a grafy bez katalogových dnů (NOAA/RGO)</source>
        <translation>Measured and smoothed tables and graphs without the catalogue days (NOAA/RGO)</translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation>&amp;Save</translation>
    </message>
</context>
<context>
    <name>SavedStatus</name>
    <message>
        <source>Uloženo: %1 zákres</source>
        <translation>Saved: %1 drawing</translation>
    </message>
    <message>
        <source>Uloženo: %1 zákresy</source>
        <translation>Saved: %1 drawings</translation>
    </message>
    <message>
        <source>Uloženo: %1 zákresů</source>
        <translation>Saved: %1 drawings</translation>
    </message>
</context>
<context>
    <name>SidcFiles</name>
    <message>
        <source>Soubor %1 nemá očekávaný tvar (%2), jeho hodnoty se nepoužijí.</source>
        <translation>The file %1 does not have the expected form (%2); its values are not used.</translation>
    </message>
    <message>
        <source>Soubor %1 nemá očekávaný tvar (denní čísla ve sloupcích 20-22; v řádku %2 jsou na jejich místě jiné znaky, soubor je poškozen nebo jiného druhu), jeho hodnoty se nepoužijí.</source>
        <translation>The file %1 does not have the expected form (daily numbers in columns 20-22; line %2 has other characters in their place, the file is damaged or of another kind); its values are not used.</translation>
    </message>
    <message>
        <source>denní čísla ve sloupcích 20-22</source>
        <translation>daily numbers in columns 20-22</translation>
    </message>
    <message>
        <source>řádky po 31 bajtech s čísly ve sloupcích 9-29</source>
        <translation>lines of 31 bytes with numbers in columns 9-29</translation>
    </message>
    <message>
        <source>řádky po 45 bajtech s čísly ve sloupcích 16-42</source>
        <translation>lines of 45 bytes with numbers in columns 16-42</translation>
    </message>
    <message>
        <source>Soubor %1 nemá řádek na každý den roku %2 (má %3 řádků místo %4), je zkrácený nebo poškozený, jeho hodnoty se nepoužijí.</source>
        <translation>The file %1 does not have a line for every day of %2 (it has %3 lines instead of %4); it is cut off or damaged, and its values are not used.</translation>
    </message>
    <message>
        <source>Soubor %1 má řádky různé délky (řádek %2 má %3 znaků, řádek 1 má %4), je poškozený, jeho hodnoty se nepoužijí.</source>
        <translation>The file %1 has lines of different lengths (line %2 has %3 characters, line 1 has %4); it is damaged, and its values are not used.</translation>
    </message>
</context>
<context>
    <name>SmoothedGraphs</name>
    <message>
        <source>g   Počet skupin</source>
        <translation>g   Number of groups</translation>
    </message>
    <message>
        <source>Počet skupin</source>
        <translation>Number of groups</translation>
    </message>
    <message>
        <source>f    Počet skvrn</source>
        <translation>f    Number of spots</translation>
    </message>
    <message>
        <source>Počet skvrn</source>
        <translation>Number of spots</translation>
    </message>
    <message>
        <source>r    Relativní číslo</source>
        <translation>r    Relative number</translation>
    </message>
    <message>
        <source>Relativní číslo</source>
        <translation>Relative number</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source> CV  (McIntoshovo číslo)</source>
        <translation> CV  (McIntosh number)</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>SN</translation>
    </message>
    <message>
        <source> SN  (Pettisovo číslo)</source>
        <translation> SN  (Pettis number)</translation>
    </message>
    <message>
        <source>RB</source>
        <translation>RB</translation>
    </message>
    <message>
        <source> RB  (Beckovo číslo)</source>
        <translation> RB  (Beck number)</translation>
    </message>
    <message>
        <source>Plocha</source>
        <translation>Area</translation>
    </message>
    <message>
        <source> Plocha  skvrn  disk</source>
        <translation> Spot  area,  disk</translation>
    </message>
    <message>
        <source>Polokoule</source>
        <translation>Hemispheres</translation>
    </message>
    <message>
        <source> Plocha skvrn  polokoule</source>
        <translation> Spot area,  hemispheres</translation>
    </message>
    <message>
        <source>   celkový</source>
        <translation>   whole disk</translation>
    </message>
    <message>
        <source>   severní</source>
        <translation>   north</translation>
    </message>
    <message>
        <source>   jižní</source>
        <translation>   south</translation>
    </message>
    <message>
        <source>   severní a jižní</source>
        <translation>   north and south</translation>
    </message>
</context>
<context>
    <name>StartupInputs</name>
    <message>
        <source>Soubor %1 neobsahuje na prvním řádku celé číslo (zvětšení v procentech), použije se 120 %.</source>
        <translation>The file %1 has no whole number on its first line (the zoom in percent); 120 % is used.</translation>
    </message>
    <message>
        <source>Soubor %1 je prázdný (0 bajtů místo 25000), nepoužije se.</source>
        <translation>The file %1 is empty (0 bytes instead of 25000); it is not used.</translation>
    </message>
    <message>
        <source>Soubor %1 má jen %2 bajtů místo 25000, nepoužije se.</source>
        <translation>The file %1 has only %2 bytes instead of 25000; it is not used.</translation>
    </message>
    <message>
        <source>Soubor %1 má %2 bajtů místo 25000; použije se jen prvních 25000 bajtů.</source>
        <translation>The file %1 has %2 bytes instead of 25000; only the first 25000 bytes are used.</translation>
    </message>
</context>
<context>
    <name>StationForm</name>
    <message>
        <source>Název stanice</source>
        <translation>Station name</translation>
    </message>
    <message>
        <source>DataproCSV.txt, řádek 1: jméno stanice v CSV pro SIDC</source>
        <translation>DataproCSV.txt, line 1: the station&apos;s name in the CSV for SIDC</translation>
    </message>
    <message>
        <source>Číslo observatoře</source>
        <translation>Observatory number</translation>
    </message>
    <message>
        <source>DataproCSV.txt, řádek 2: číslo stanice v CSV pro SIDC</source>
        <translation>DataproCSV.txt, line 2: the station&apos;s number in the CSV for SIDC</translation>
    </message>
    <message>
        <source>Kód pro SIDC</source>
        <translation>SIDC code</translation>
    </message>
    <message>
        <source>Site.txt, řádek 3: kód na 2. řádku měsíční zprávy pro SIDC, před „(CZECH REP.)“; nejvýš 20 znaků bez diakritiky</source>
        <translation>Site.txt, line 3: the code on line 2 of the monthly SIDC report, before &quot;(CZECH REP.)&quot;; at most 20 characters without diacritics</translation>
    </message>
    <message>
        <source>Indikátor USSPS</source>
        <translation>USSPS indicator</translation>
    </message>
    <message>
        <source>Site.txt, řádek 1: zkratka stanice ve zprávě pro USSPS</source>
        <translation>Site.txt, line 1: the station&apos;s indicator in the USSPS message</translation>
    </message>
    <message>
        <source>Kód pozorovatele AAVSO</source>
        <translation>AAVSO observer code</translation>
    </message>
    <message>
        <source>Site.txt, řádek 2: kód pozorovatele ve zprávě pro AAVSO</source>
        <translation>Site.txt, line 2: the observer code in the AAVSO report</translation>
    </message>
    <message>
        <source>Zeměpisná šířka (°, sever +)</source>
        <translation>Latitude (°, north +)</translation>
    </message>
    <message>
        <source>stanice.dat: odkud se kontroluje, že Slunce bylo v čase zákresu nad obzorem; obě souřadnice, nebo žádná</source>
        <translation>stanice.dat: where the check that the Sun was above the horizon at the drawing&apos;s time is made from; both coordinates or neither</translation>
    </message>
    <message>
        <source>Zeměpisná délka (°, východ +)</source>
        <translation>Longitude (°, east +)</translation>
    </message>
    <message>
        <source>Popis stanice</source>
        <translation>Station description</translation>
    </message>
    <message>
        <source>Stanice</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Údaje, které stanice zadá jednou a které převezmou všechny zprávy pro SIDC a pro ostatní sítě. Prázdný kód: do té sítě stanice neposílá.</source>
        <translation>What the station sets once and every report to SIDC and the other networks takes. An empty code: the station does not report to that network.</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Popis.txt, řádek 7: popis v hlavičce zprávy pro SIDC</source>
        <translation>Popis.txt, line 7: the description in the header of the SIDC report</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Popis.txt, řádek 1: za „Your E-mail adress“</source>
        <translation>Popis.txt, line 1: after “Your E-mail adress”</translation>
    </message>
    <message>
        <source>Text za číslem měsíce</source>
        <translation>Text after the month’s number</translation>
    </message>
    <message>
        <source>Popis.txt, řádek 2: za „Month - number 03 -“</source>
        <translation>Popis.txt, line 2: after “Month - number 03 -”</translation>
    </message>
    <message>
        <source>Pozorovatel</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Popis.txt, řádek 3: za „Observer“</source>
        <translation>Popis.txt, line 3: after “Observer”</translation>
    </message>
    <message>
        <source>Popis.txt, řádek 4: za „Station“</source>
        <translation>Popis.txt, line 4: after “Station”</translation>
    </message>
    <message>
        <source>Přístroj</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Popis.txt, řádek 5: za „Instrument“</source>
        <translation>Popis.txt, line 5: after “Instrument”</translation>
    </message>
    <message>
        <source>Metoda</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Popis.txt, řádek 6: za „Method“</source>
        <translation>Popis.txt, line 6: after “Method”</translation>
    </message>
    <message>
        <source>Hlavička zprávy CV</source>
        <translation>Header of the CV report</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>Poloha stanice: zeměpisná šířka (-90 až 90) a délka (-180 až 180) ve stupních, například 49.91 a 14.78; obě, nebo ani jedna.</source>
        <translation>Station place: latitude (-90 to 90) and longitude (-180 to 180) in degrees, for example 49.91 and 14.78; both or neither.</translation>
    </message>
    <message>
        <source>Kód stanice pro SIDC má nejvýš 20 znaků bez diakritiky.</source>
        <translation>The station&apos;s SIDC code has at most 20 characters without diacritics.</translation>
    </message>
    <message>
        <source>Zpráva pro SIDC potřebuje kód stanice. Zadejte ho jednou ve formuláři Stanice (menu Zadávání → Stanice); každá další zpráva ho převezme.</source>
        <translation>The SIDC report needs the station&apos;s code. Enter it once in the Station form (menu Entry → Station); every later report takes it from there.</translation>
    </message>
    <message>
        <source>%1, řádek %2</source>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>Údaje stanice jsou každý na jednom řádku, bez tabulátorů: %1.</source>
        <translation>Each station value is one line, without tabs: %1.</translation>
    </message>
</context>
<context>
    <name>TablePrint</name>
    <message>
        <source>Počet hodnot je = %1   ( %2  str.)</source>
        <translation>Number of values = %1   ( %2  pages)</translation>
    </message>
    <message>
        <source>Nebyl zabrán typ tisku! </source>
        <translation>No kind of printout was chosen! </translation>
    </message>
</context>
<context>
    <name>TracksView</name>
    <message>
        <source>Období:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Rok</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Otočka</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Rok jako RRRR, otočka jako její číslo</source>
        <translation>Year as YYYY, rotation as its number</translation>
    </message>
    <message>
        <source>Zobrazit</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Klepnutí udělá zákres aktuálním a zakroužkuje skupinu</source>
        <translation>A click makes the drawing current and circles the group</translation>
    </message>
    <message>
        <source>Výsledky    skupiny v čase</source>
        <translation>Results    groups over time</translation>
    </message>
    <message>
        <source>Rok zadejte jako RRRR, například 2014.</source>
        <translation>Enter the year as YYYY, for example 2014.</translation>
    </message>
    <message>
        <source>Otočku zadejte jejím číslem, například 2147.</source>
        <translation>Enter the rotation by its number, for example 2147.</translation>
    </message>
    <message>
        <source>Stop: %1 (celkem v databázi %2)</source>
        <translation>Tracks: %1 (in the whole database %2)</translation>
    </message>
    <message>
        <source>Tabulka je prázdná, soubor se nezapsal.</source>
        <translation>The table is empty; no file was written.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze zapsat: %2. Původní soubor zůstal beze změny.</source>
        <translation>The file %1 cannot be written: %2. The old file stays as it was.</translation>
    </message>
    <message>
        <source>Tabulka je uložena do souboru %1</source>
        <translation>The table is saved in the file %1</translation>
    </message>
</context>
<context>
    <name>Uncertainty</name>
    <message>
        <source>rok</source>
        <translation>year</translation>
    </message>
    <message>
        <source>měsíc</source>
        <translation>month</translation>
    </message>
    <message>
        <source>vyhlazená</source>
        <translation>smoothed</translation>
    </message>
    <message>
        <source>měsíců</source>
        <translation>months</translation>
    </message>
    <message>
        <source>příznak</source>
        <translation>flag</translation>
    </message>
    <message>
        <source>dny</source>
        <translation>days</translation>
    </message>
    <message>
        <source>průměr</source>
        <translation>mean</translation>
    </message>
    <message>
        <source>chyba</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Průměry ze všech záznamů včetně katalogových dnů (NOAA/RGO).</source>
        <translation>Means of all records, the catalogue days (NOAA/RGO) included.</translation>
    </message>
    <message>
        <source>Průměry z vlastních zákresů stanice; katalogové dny (NOAA/RGO) vynechány: %1.</source>
        <translation>Means of the station&apos;s own drawings; catalogue days (NOAA/RGO) left out: %1.</translation>
    </message>
</context>
<context>
    <name>UncertaintyView</name>
    <message>
        <source>Celková</source>
        <translation>Whole</translation>
    </message>
    <message>
        <source>Sever</source>
        <translation>North</translation>
    </message>
    <message>
        <source>Jih</source>
        <translation>South</translation>
    </message>
    <message>
        <source>Vyhlazené</source>
        <translation>Smoothed</translation>
    </message>
    <message>
        <source>Vyhlazené hodnoty s počtem měsíců, z nichž vznikly; * když některý z nich je předběžný</source>
        <translation>Smoothed values with the number of months they come from; * when one of them is provisional</translation>
    </message>
    <message>
        <source>Polokoule</source>
        <translation>Hemisphere</translation>
    </message>
    <message>
        <source>Veličina</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>dny: dny se zákresem, n: zákresy, z nichž je průměr, sigma i chyba, sigma: rozptyl hodnot zákresů, chyba: střední chyba průměru sigma/√n, *: měsíc neskončil nebo má méně než %1 dnů se zákresem</source>
        <translation>days: days with a drawing, n: the drawings the mean, sigma and error rest on, sigma: spread of the drawings&apos; values, error: standard error of the mean sigma/√n, *: the month has not ended or has fewer than %1 days with a drawing</translation>
    </message>
    <message>
        <source>Výsledky    nejistoty měsíčních hodnot</source>
        <translation>Results    uncertainties of the monthly values</translation>
    </message>
    <message>
        <source>Tabulka je prázdná, soubor se nezapsal.</source>
        <translation>The table is empty; no file was written.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze zapsat: %2. Původní soubor zůstal beze změny.</source>
        <translation>The file %1 cannot be written: %2. The old file stays as it was.</translation>
    </message>
    <message>
        <source>Tabulka je uložena do souboru %1</source>
        <translation>The table is saved in the file %1</translation>
    </message>
    <message>
        <source>Jen vlastní zákresy</source>
        <translation>Own drawings only</translation>
    </message>
    <message>
        <source>Bez katalogových dnů (NOAA/RGO), které nejsou pozorováním stanice</source>
        <translation>Without the catalogue days (NOAA/RGO), which are not the station&apos;s observations</translation>
    </message>
</context>
<context>
    <name>ardeno</name>
    <message>
        <source>Kontrola dat našla v měsíci %1/%2 chyby (%3):</source>
        <translation>The data check found errors in the month %1/%2 (%3):</translation>
    </message>
    <message>
        <source>… a dalších %1</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>Zapsat soubor přesto? (Ne = zpět k opravě dat)</source>
        <translation>Write the file anyway? (No = back to correcting the data)</translation>
    </message>
</context>
<context>
    <name>ardeno-cli</name>
    <message>
        <source>Zapsáno: %1, skupin: %2</source>
        <translation>Written: %1, groups: %2</translation>
    </message>
    <message>
        <source>Zvětšení: %1</source>
        <translation>Zoom: %1</translation>
    </message>
    <message>
        <source>Přístroj %1: %2</source>
        <translation>Instrument %1: %2</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>ne (soubor je, ale data se nepoužijí)</source>
        <translation>no (the file is there, but its data are not used)</translation>
    </message>
    <message>
        <source>ne (soubor chybí)</source>
        <translation>no (the file is missing)</translation>
    </message>
    <message>
        <source>SIDC roky: %1, dnů: %2</source>
        <translation>SIDC years: %1, days: %2</translation>
    </message>
    <message>
        <source>SIDC plochy, řádků: %1</source>
        <translation>SIDC areas, lines: %1</translation>
    </message>
    <message>
        <source>SIDC tok 10 cm, řádků: %1</source>
        <translation>SIDC 10 cm flux, lines: %1</translation>
    </message>
    <message>
        <source>Koróna, roků: %1, bajtů: %2</source>
        <translation>Corona, years: %1, bytes: %2</translation>
    </message>
    <message>
        <source>export-ascii SLOŽKA</source>
        <translation>export-ascii FOLDER</translation>
    </message>
    <message>
        <source>inputs SLOŽKA</source>
        <translation>inputs FOLDER</translation>
    </message>
    <message>
        <source>crosscheck SLOŽKA SRS_SOUBOR|SLOŽKA_SRS...</source>
        <translation>crosscheck FOLDER SRS_FILE|SRS_FOLDER...</translation>
    </message>
    <message>
        <source>Porovnáno zákresů: %1</source>
        <translation>Drawings compared: %1</translation>
    </message>
    <message>
        <source>Záznamů: %1</source>
        <translation>Records: %1</translation>
    </message>
    <message>
        <source>První datum: %1</source>
        <translation>First date: %1</translation>
    </message>
    <message>
        <source>Poslední datum: %1</source>
        <translation>Last date: %1</translation>
    </message>
    <message>
        <source>Uloženo záznamů: %1, opravy: %2</source>
        <translation>Records saved: %1, repairs: %2</translation>
    </message>
    <message>
        <source>check SLOŽKA</source>
        <translation>check FOLDER</translation>
    </message>
    <message>
        <source>resave SLOŽKA</source>
        <translation>resave FOLDER</translation>
    </message>
    <message>
        <source>Přepočteno záznamů: %1, doplněný čas 12:00: %2, nečitelné datum: %3</source>
        <translation>Records recomputed: %1, time 12:00 filled in: %2, unreadable date: %3</translation>
    </message>
    <message>
        <source>merge SLOŽKA JINÝ.dat [--skip-equal-dates]</source>
        <translation>merge FOLDER OTHER.dat [--skip-equal-dates]</translation>
    </message>
    <message>
        <source>Přidáno záznamů: %1, vynecháno: %2, shodná data: %3, záznamů celkem: %4, už v datech (stejné bajt po bajtu): %5</source>
        <translation>Records added: %1, left out: %2, equal dates: %3, records in all: %4, already in the data (equal byte for byte): %5</translation>
    </message>
    <message>
        <source>coordinates ROK PRVNÍ-MĚSÍC (1, 5 nebo 9)</source>
        <translation>coordinates YEAR FIRST-MONTH (1, 5 or 9)</translation>
    </message>
    <message>
        <source>Rok musí být číslo od 1 do 9999.</source>
        <translation>The year must be a number from 1 to 9999.</translation>
    </message>
    <message>
        <source>recompute SLOŽKA</source>
        <translation>recompute FOLDER</translation>
    </message>
    <message>
        <source>equal-dates SLOŽKA</source>
        <translation>equal-dates FOLDER</translation>
    </message>
    <message>
        <source>coordinates ROK PRVNÍ-MĚSÍC</source>
        <translation>coordinates YEAR FIRST-MONTH</translation>
    </message>
    <message>
        <source>Ve složce %1 není soubor datax.dat.</source>
        <translation>There is no file datax.dat in the folder %1.</translation>
    </message>
    <message>
        <source>Soubor datax.dat ve složce %1 neobsahuje žádný zákres.</source>
        <translation>The file datax.dat in the folder %1 holds no drawing.</translation>
    </message>
    <message>
        <source>Nečitelné: %1</source>
        <translation>Unreadable: %1</translation>
    </message>
    <message>
        <source>Výstup je spočten jen ze zákresů, které se načetly: soubor datax.dat se nenačetl celý (co chybí, je uvedeno výše).</source>
        <translation>The output is computed only from the drawings that were loaded: the file datax.dat was not loaded whole (what is missing is listed above).</translation>
    </message>
    <message>
        <source>Soubor datax.dat se nenačetl celý, proto se nepřepisuje.</source>
        <translation>The file datax.dat was not loaded whole, so it is not overwritten.</translation>
    </message>
    <message>
        <source>asymmetry SLOŽKA monthly|yearly</source>
        <translation>asymmetry FOLDER monthly|yearly</translation>
    </message>
    <message>
        <source>positions SLOŽKA daily|monthly|yearly [vše|A|B|C|D|E|F|G|h|J]</source>
        <translation>positions FOLDER daily|monthly|yearly [vše|A|B|C|D|E|F|G|h|J]</translation>
    </message>
    <message>
        <source>map-data SLOŽKA</source>
        <translation>map-data FOLDER</translation>
    </message>
    <message>
        <source>group-types SLOŽKA</source>
        <translation>group-types FOLDER</translation>
    </message>
    <message>
        <source>largest SLOŽKA ROK</source>
        <translation>largest FOLDER YEAR</translation>
    </message>
    <message>
        <source>evolution SLOŽKA OTOČKA</source>
        <translation>evolution FOLDER ROTATION</translation>
    </message>
    <message>
        <source>rotation-stats SLOŽKA</source>
        <translation>rotation-stats FOLDER</translation>
    </message>
    <message>
        <source>Rok %1 je mimo roky zákresů: zadej rok od %2 do %3.</source>
        <translation>The year %1 is outside the years of the drawings: give a year from %2 to %3.</translation>
    </message>
    <message>
        <source>Otočka %1 je mimo otočky zákresů: zadej otočku od %2 do %3.</source>
        <translation>The rotation %1 is outside the rotations of the drawings: give a rotation from %2 to %3.</translation>
    </message>
    <message>
        <source>Použití: ardeno-cli %1</source>
        <translation>Usage: ardeno-cli %1</translation>
    </message>
    <message>
        <source>Za --lang patří cs nebo en</source>
        <translation>--lang must be followed by cs or en</translation>
    </message>
    <message>
        <source>Za --today patří datum ve tvaru D.M.RRRR</source>
        <translation>--today must be followed by a date D.M.YYYY</translation>
    </message>
    <message>
        <source>Neznámý příkaz: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>Použití: ardeno-cli [--lang cs|en] [--today D.M.RRRR] PŘÍKAZ ...</source>
        <translation>Usage: ardeno-cli [--lang cs|en] [--today D.M.YYYY] COMMAND ...</translation>
    </message>
    <message>
        <source>Měsíc „%1“ nelze přečíst. %2</source>
        <translation>The month “%1” cannot be read. %2</translation>
    </message>
    <message>
        <source>V měsíci %1 není žádný zákres.</source>
        <translation>There is no drawing in the month %1.</translation>
    </message>
    <message>
        <source>Datum „%1“ nelze přečíst (D.M.RRRR).</source>
        <translation>The date “%1” cannot be read (D.M.YYYY).</translation>
    </message>
    <message>
        <source>Dne %1 není žádný zákres.</source>
        <translation>There is no drawing on %1.</translation>
    </message>
    <message>
        <source>baa SLOŽKA M.RRRR [--replace]</source>
        <translation>baa FOLDER M.YYYY [--replace]</translation>
    </message>
    <message>
        <source>aavso SLOŽKA M.RRRR [KÓD] [--replace]</source>
        <translation>aavso FOLDER M.YYYY [CODE] [--replace]</translation>
    </message>
    <message>
        <source>bulletin SLOŽKA M.RRRR VÝSTUPNÍ-SLOŽKA [--replace]</source>
        <translation>bulletin FOLDER M.YYYY OUTPUT-FOLDER [--replace]</translation>
    </message>
    <message>
        <source>Měsíc &quot;%1&quot;: %2</source>
        <translation>Month &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>describe OBRÁZEK.png|.jpg</source>
        <translation>describe PICTURE.png|.jpg</translation>
    </message>
    <message>
        <source>Soubor nelze otevřít: %1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <source>%1: obrázek o sobě nic neříká (nemá textové údaje).</source>
        <translation>%1: the picture says nothing about itself (it has no text entries).</translation>
    </message>
    <message>
        <source>lint SLOŽKA [M.RRRR|RRRR]</source>
        <translation>lint FOLDER [M.YYYY|YYYY]</translation>
    </message>
    <message>
        <source>Období &quot;%1&quot;: %2</source>
        <translation>Period &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Ponecháno beze změny %1 dní, které už v databázi jsou (nebo se v souborech opakují):</source>
        <translation>Left unchanged: %1 days that are in the database already (or repeat in the files):</translation>
    </message>
    <message>
        <source>import-groups [--new] SLOŽKA SOUBOR|SLOŽKA_SOUBORŮ...</source>
        <translation>import-groups [--new] FOLDER FILE|FOLDER_OF_FILES...</translation>
    </message>
    <message>
        <source>Nová databáze (polární souřadnice, poloměr 125 mm).</source>
        <translation>New database (polar coordinates, radius 125 mm).</translation>
    </message>
    <message>
        <source>Přidáno dní: %1 (beze skvrn %2) ze souborů: %3</source>
        <translation>Days added: %1 (without spots %2) from files: %3</translation>
    </message>
    <message>
        <source>Skupin nad 40 na den (vynechány nejmenší): %1</source>
        <translation>Groups beyond 40 a day (the smallest left out): %1</translation>
    </message>
    <message>
        <source>Skupin uvedených pro týž den dvakrát (uloženy jednou): %1</source>
        <translation>Groups given twice for the same day (stored once): %1</translation>
    </message>
    <message>
        <source>Skupin u okraje, jejichž opravenou plochu nelze uložit přesně: %1</source>
        <translation>Groups near the limb whose corrected area cannot be stored exactly: %1</translation>
    </message>
    <message>
        <source>Zveřejněné řady nebyly nalezeny vedle programu ani v share/ardeno/reference; uveď složku ZDROJE.</source>
        <translation>The published series were found neither beside the program nor in share/ardeno/reference; give the folder SOURCES.</translation>
    </message>
    <message>
        <source>Zapsáno souborů: %1</source>
        <translation>Files written: %1</translation>
    </message>
    <message>
        <source>Ve složce %1/SIDC nejsou denní čísla (dssn&lt;rok&gt;.dat); zapíše je import-reference.</source>
        <translation>There are no daily numbers (dssn&lt;year&gt;.dat) in the folder %1/SIDC; import-reference writes them.</translation>
    </message>
    <message>
        <source>import-reference SLOŽKA [ZDROJE]</source>
        <translation>import-reference FOLDER [SOURCES]</translation>
    </message>
    <message>
        <source>k-factors SLOŽKA</source>
        <translation>k-factors FOLDER</translation>
    </message>
    <message>
        <source>Kód observatoře musí být neprázdný text na jednom řádku, bez řídicích znaků.</source>
        <translation>The observatory code must be a non-empty text on one line, without control characters.</translation>
    </message>
    <message>
        <source>Soubor %1 již existuje (přepsat: --replace).</source>
        <translation>The file %1 exists already (to overwrite: --replace).</translation>
    </message>
    <message>
        <source>Není soubor Popis.txt: data se zapíší bez popisu.</source>
        <translation>There is no file Popis.txt: the data are written without a description.</translation>
    </message>
    <message>
        <source>Není soubor %1: stanice se vezme z %2.</source>
        <translation>There is no file %1: the station is taken from %2.</translation>
    </message>
    <message>
        <source>monthly-csv SLOŽKA measured|smoothed 1|2|3</source>
        <translation>monthly-csv FOLDER measured|smoothed 1|2|3</translation>
    </message>
    <message>
        <source>quiet-days SLOŽKA [ROK]</source>
        <translation>quiet-days FOLDER [YEAR]</translation>
    </message>
    <message>
        <source>monthly-stats SLOŽKA 1|2|3 [g|f|r|cv|sn|rb|area|hemisphere-area] [--smoothed] [--all]</source>
        <translation>monthly-stats FOLDER 1|2|3 [g|f|r|cv|sn|rb|area|hemisphere-area] [--smoothed] [--all]</translation>
    </message>
    <message>
        <source>Řádek %1 nelze přečíst (očekáváno &quot;%2&quot;): %3</source>
        <translation>Line %1 cannot be read (expected &quot;%2&quot;): %3</translation>
    </message>
    <message>
        <source>Řádek %1: %2: %3</source>
        <translation>Line %1: %2: %3</translation>
    </message>
    <message>
        <source>úhel10 musí být od 0 do 7200</source>
        <translation>angle10 must be from 0 to 7200</translation>
    </message>
    <message>
        <source>vzdálenost10 musí být od 0 do 1250 (bod mimo disk)</source>
        <translation>distance10 must be from 0 to 1250 (a point off the disk)</translation>
    </message>
    <message>
        <source>poloměr musí být od 0 do 1000 mm</source>
        <translation>radius must be from 0 to 1000 mm</translation>
    </message>
    <message>
        <source>délka l musí být od -720 do 720</source>
        <translation>longitude l must be from -720 to 720</translation>
    </message>
    <message>
        <source>šířka b musí být od -90 do 90</source>
        <translation>latitude b must be from -90 to 90</translation>
    </message>
    <message>
        <source>bod leží na odvrácené straně Slunce</source>
        <translation>the point lies on the far side of the Sun</translation>
    </message>
    <message>
        <source>ephemeris &lt; řádky &quot;dd.mm.rrrr hhmm&quot;</source>
        <translation>ephemeris &lt; lines &quot;dd.mm.yyyy hhmm&quot;</translation>
    </message>
    <message>
        <source>convert &lt; řádky &quot;dd.mm.rrrr hhmm úhel10 vzdálenost10&quot;</source>
        <translation>convert &lt; lines &quot;dd.mm.yyyy hhmm angle10 distance10&quot;</translation>
    </message>
    <message>
        <source>topolar &lt; řádky &quot;dd.mm.rrrr hhmm l b poloměr&quot;</source>
        <translation>topolar &lt; lines &quot;dd.mm.yyyy hhmm l b radius&quot;</translation>
    </message>
    <message>
        <source>dd.mm.rrrr hhmm</source>
        <translation>dd.mm.yyyy hhmm</translation>
    </message>
    <message>
        <source>(úhel10 0..7200, vzdálenost10 0..1250: bod na disku)</source>
        <translation>(angle10 0..7200, distance10 0..1250: a point on the disk)</translation>
    </message>
    <message>
        <source>dd.mm.rrrr hhmm úhel10 vzdálenost10</source>
        <translation>dd.mm.yyyy hhmm angle10 distance10</translation>
    </message>
    <message>
        <source>(b -90..90, bod na přivrácené straně Slunce, poloměr 0..1000 mm)</source>
        <translation>(b -90..90, a point on the near side of the Sun, radius 0..1000 mm)</translation>
    </message>
    <message>
        <source>dd.mm.rrrr hhmm l b poloměr</source>
        <translation>dd.mm.yyyy hhmm l b radius</translation>
    </message>
    <message>
        <source>Záznam %1: datum &quot;%2&quot; nelze přečíst.</source>
        <translation>Record %1: the date &quot;%2&quot; cannot be read.</translation>
    </message>
    <message>
        <source>dayresults SLOŽKA</source>
        <translation>dayresults FOLDER</translation>
    </message>
    <message>
        <source>export-csv SLOŽKA VÝSTUPNÍ-SLOŽKA</source>
        <translation>export-csv FOLDER OUTPUT-FOLDER</translation>
    </message>
    <message>
        <source>Zákresů: %1</source>
        <translation>Drawings: %1</translation>
    </message>
    <message>
        <source>tracks SLOŽKA [ROK] [--observer JMÉNO] [--noaa SRS_SOUBOR|SLOŽKA_SRS...] [--check-numbers]</source>
        <translation>tracks FOLDER [YEAR] [--observer NAME] [--noaa SRS_FILE|SRS_FOLDER...] [--check-numbers]</translation>
    </message>
    <message>
        <source>zákresy NOAA</source>
        <translation>NOAA drawings</translation>
    </message>
    <message>
        <source>ostatní zákresy</source>
        <translation>other drawings</translation>
    </message>
    <message>
        <source>%1: skupin ve stopě jen s vlastním číslem %2 z %3 (%4), čísel viděných aspoň 3 dny v jedné stopě %5 z %6 (%7)</source>
        <translation>%1: groups in a track with their own number only %2 of %3 (%4), numbers seen on at least 3 days in one track %5 of %6 (%7)</translation>
    </message>
    <message>
        <source>Opravy: %1</source>
        <translation>Repairs: %1</translation>
    </message>
    <message>
        <source>Dne %1 je jen katalogový záznam (NOAA/RGO), žádný vlastní zákres.</source>
        <translation>On %1 there is only a catalogue record (NOAA/RGO), no own drawing.</translation>
    </message>
    <message>
        <source>V zadaných souborech SRS není žádný den zprávy, není s čím porovnávat.</source>
        <translation>The SRS files given hold no day of a report; there is nothing to compare with.</translation>
    </message>
    <message>
        <source>Žádný zákres nemá datum.</source>
        <translation>No drawing has a date.</translation>
    </message>
    <message>
        <source>V roce %1 není žádný zákres: zákresy jsou z let %2 až %3.</source>
        <translation>There is no drawing in %1: the drawings are from %2 to %3.</translation>
    </message>
    <message>
        <source>V měsíci %1 není žádný zákres: zákresy jsou od %2 do %3.</source>
        <translation>There is no drawing in the month %1: the drawings are from %2 to %3.</translation>
    </message>
    <message>
        <source>Pozorovatel &quot;%1&quot; nemá v databázi žádný zákres.</source>
        <translation>The observer &quot;%1&quot; has no drawing in the database.</translation>
    </message>
    <message>
        <source>příkazová řádka</source>
        <translation>command line</translation>
    </message>
    <message>
        <source>%1, řádek %2</source>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>V zadaných souborech SRS není žádný den zprávy.</source>
        <translation>The SRS files given hold no day of a report.</translation>
    </message>
    <message>
        <source>Obrázek %1 nelze otevřít.</source>
        <translation>The picture %1 cannot be opened.</translation>
    </message>
    <message>
        <source>Soubor %1 je prázdný.</source>
        <translation>The file %1 is empty.</translation>
    </message>
    <message>
        <source>Obrázek %1 je příliš velký (nejvýš 120 megapixelů a 400 MB).</source>
        <translation>The picture %1 is too large (at most 120 megapixels and 400 MB).</translation>
    </message>
    <message>
        <source>Soubor %1 není obrázek JPEG, PNG ani BMP, nebo je poškozený.</source>
        <translation>The file %1 is not a JPEG, PNG or BMP picture, or it is damaged.</translation>
    </message>
    <message>
        <source>Za --north patří směr severu ve stupních od 0 do 360.</source>
        <translation>--north takes the direction of north in degrees from 0 to 360.</translation>
    </message>
    <message>
        <source>Za --north patří směr severu ve stupních od 0 do 360, ne %1.</source>
        <translation>--north takes the direction of north in degrees from 0 to 360, not %1.</translation>
    </message>
    <message>
        <source>Datum %1 nelze přečíst (D.M.RRRR).</source>
        <translation>The date %1 cannot be read (D.M.YYYY).</translation>
    </message>
    <message>
        <source>Čas %1 nelze přečíst (HHMM v UT).</source>
        <translation>The time %1 cannot be read (HHMM in UT).</translation>
    </message>
    <message>
        <source>Na obrázku %1 se nepodařilo najít kotouč zákresu.</source>
        <translation>No drawing disk was found on the picture %1.</translation>
    </message>
    <message>
        <source>Na zákresu %1 se nepodařilo určit sever. Zadejte jeho směr: --north STUPNĚ (po směru hodinových ručiček od horního okraje obrázku).</source>
        <translation>North could not be found on the drawing %1. Give its direction: --north DEGREES (clockwise from the top edge of the picture).</translation>
    </message>
    <message>
        <source>ussps SLOŽKA D.M.RRRR|M.RRRR [STANICE] [--replace]</source>
        <translation>ussps FOLDER D.M.YYYY|M.YYYY [STATION] [--replace]</translation>
    </message>
    <message>
        <source>(přepsat: --replace)</source>
        <translation>(to replace it: --replace)</translation>
    </message>
    <message>
        <source>own-report SLOŽKA M.RRRR [--replace]</source>
        <translation>own-report FOLDER M.YYYY [--replace]</translation>
    </message>
    <message>
        <source>sidc-report SLOŽKA M.RRRR [KÓD] [--replace]</source>
        <translation>sidc-report FOLDER M.YYYY [CODE] [--replace]</translation>
    </message>
    <message>
        <source>sidc-csv SLOŽKA M.RRRR [--replace]</source>
        <translation>sidc-csv FOLDER M.YYYY [--replace]</translation>
    </message>
    <message>
        <source>cv-report SLOŽKA M.RRRR [--replace]</source>
        <translation>cv-report FOLDER M.YYYY [--replace]</translation>
    </message>
    <message>
        <source>observers-csv SLOŽKA [--replace]</source>
        <translation>observers-csv FOLDER [--replace]</translation>
    </message>
    <message>
        <source>read-drawing OBRÁZEK D.M.RRRR HHMM [--north STUPNĚ] [--solar-axis] [--data SLOŽKA]</source>
        <translation>read-drawing IMAGE D.M.YYYY HHMM [--north DEGREES] [--solar-axis] [--data FOLDER]</translation>
    </message>
</context>
<context>
    <name>ardeno-render</name>
    <message>
        <source>V měsíci %1.%2 není v datech žádný zákres.</source>
        <translation>There is no drawing in the data in the month %1.%2.</translation>
    </message>
    <message>
        <source>Databáze nemá žádný záznam.</source>
        <translation>The database has no record.</translation>
    </message>
    <message>
        <source>Volba --time-factor čeká 1, 2, 4, 8 nebo 16 pixelů na otočku.</source>
        <translation>The option --time-factor expects 1, 2, 4, 8 or 16 pixels per rotation.</translation>
    </message>
    <message>
        <source>Volba --height-scale čeká 1 až 9 pixelů na stupeň.</source>
        <translation>The option --height-scale expects 1 to 9 pixels per degree.</translation>
    </message>
    <message>
        <source>Nejsou data pro koronu</source>
        <translation>There are no corona data</translation>
    </message>
    <message>
        <source>Soubor Motfakul.dat s doplňkovými daty ve složce není.</source>
        <translation>The file Motfakul.dat with the supplementary data is not in the folder.</translation>
    </message>
    <message>
        <source>Neznámá křivka &apos;%1&apos;: volba --curves čeká mean, smoothed, bounds.</source>
        <translation>Unknown curve &apos;%1&apos;: the option --curves expects mean, smoothed, bounds.</translation>
    </message>
    <message>
        <source>motýlkový diagram: šířka skupin a fakulí podle Carringtonovy otočky</source>
        <translation>butterfly diagram: latitude of the groups and faculae by Carrington rotation</translation>
    </message>
    <message>
        <source>skvrny, fakule, nebo obojí</source>
        <translation>spots, faculae, or both</translation>
    </message>
    <message>
        <source>křivky oddělené čárkou: mean (střední šířka), smoothed (vyhlazená), bounds (ohraničení)</source>
        <translation>curves separated by commas: mean (mean latitude), smoothed (smoothed), bounds (boundaries)</translation>
    </message>
    <message>
        <source>zelená koróna pod diagramem (začátek od otočky 1100)</source>
        <translation>green corona under the diagram (from rotation 1100)</translation>
    </message>
    <message>
        <source>doplňková data z Motfakul.dat (začátek od otočky 1200)</source>
        <translation>supplementary data from Motfakul.dat (from rotation 1200)</translation>
    </message>
    <message>
        <source>fakule jako sloupky místo čar</source>
        <translation>faculae as bars instead of lines</translation>
    </message>
    <message>
        <source>pixelů na otočku: 1, 2, 4, 8, 16</source>
        <translation>pixels per rotation: 1, 2, 4, 8, 16</translation>
    </message>
    <message>
        <source>pixelů na stupeň šířky: 1 až 9</source>
        <translation>pixels per degree of latitude: 1 to 9</translation>
    </message>
    <message>
        <source>vodorovný posun v pixelech</source>
        <translation>horizontal scroll in pixels</translation>
    </message>
    <message>
        <source>stupnice šířek u levého okraje i v posunutém pohledu</source>
        <translation>the latitude scale at the left edge, in a scrolled view too</translation>
    </message>
    <message>
        <source>Rok musí být číslo od 1 do 9999.</source>
        <translation>The year must be a number from 1 to 9999.</translation>
    </message>
    <message>
        <source>tabulka heliografických souřadnic L0, B0, P na čtyři měsíce</source>
        <translation>table of the heliographic coordinates L0, B0, P for four months</translation>
    </message>
    <message>
        <source>rok tabulky</source>
        <translation>year of the table</translation>
    </message>
    <message>
        <source>první měsíc: 1 leden-duben, 5 květen-srpen, 9 září-prosinec</source>
        <translation>first month: 1 January-April, 5 May-August, 9 September-December</translation>
    </message>
    <message>
        <source>Volba --day-width čeká 1 až 16 pixelů.</source>
        <translation>The option --day-width expects 1 to 16 pixels.</translation>
    </message>
    <message>
        <source>Volba --first-day čeká datum D.M.RRRR.</source>
        <translation>The option --first-day expects a date D.M.YYYY.</translation>
    </message>
    <message>
        <source>den u levého okraje, D.M.RRRR (jinak nejnovější data)</source>
        <translation>the day at the left edge, D.M.YYYY (else the newest data)</translation>
    </message>
    <message>
        <source>denní grafy (okno Grafy) s nejnovějšími daty v záběru</source>
        <translation>daily graphs (the Graphs window) with the latest data in view</translation>
    </message>
    <message>
        <source>zobrazený index</source>
        <translation>index shown</translation>
    </message>
    <message>
        <source>tři panely nebo jeden</source>
        <translation>three panels or one</translation>
    </message>
    <message>
        <source>pixelů na den (1 až 16)</source>
        <translation>pixels per day (1 to 16)</translation>
    </message>
    <message>
        <source>stupnice hodnot u levého okraje</source>
        <translation>value scale at the left edge</translation>
    </message>
    <message>
        <source>Záznam %1 neexistuje (databáze má %2 záznamů).</source>
        <translation>Record %1 does not exist (the database has %2 records).</translation>
    </message>
    <message>
        <source>zákres jednoho záznamu, jak ho ukazuje okno zákresu</source>
        <translation>the drawing of one record as the drawing window shows it</translation>
    </message>
    <message>
        <source>číslo záznamu od 1; 0 = poslední</source>
        <translation>record number from 1; 0 = the last</translation>
    </message>
    <message>
        <source>bílý disk jako při tisku a ukládání obrázku</source>
        <translation>white disk as when printing and saving the picture</translation>
    </message>
    <message>
        <source>Rotace %1 v datech není.</source>
        <translation>Rotation %1 is not in the data.</translation>
    </message>
    <message>
        <source>Nejsou data pro magnetosféru</source>
        <translation>There are no magnetosphere data</translation>
    </message>
    <message>
        <source>Pozice rotace musí být od 1 do %1.</source>
        <translation>The rotation position must be from 1 to %1.</translation>
    </message>
    <message>
        <source>Horní polovina: %1 (lze spots, faculae, corona, magnetosphere spojené +, nebo none).</source>
        <translation>Upper half: %1 (spots, faculae, corona, magnetosphere joined with +, or none are allowed).</translation>
    </message>
    <message>
        <source>Dolní polovina: %1 (lze faculae, corona, magnetosphere spojené +, nebo none).</source>
        <translation>Lower half: %1 (faculae, corona, magnetosphere joined with +, or none are allowed).</translation>
    </message>
    <message>
        <source>Posuv v otočkách musí být od -10 do 10.</source>
        <translation>The shift in rotations must be from -10 to 10.</translation>
    </message>
    <message>
        <source>Soubor magn.dat není: vytvoří ho součet magnetogramů (klávesa P v okně map).</source>
        <translation>There is no file magn.dat: the sum of the magnetograms (key P in the maps window) creates it.</translation>
    </message>
    <message>
        <source>šířka od, stupně</source>
        <translation>latitude from, degrees</translation>
    </message>
    <message>
        <source>šířka do, stupně</source>
        <translation>latitude to, degrees</translation>
    </message>
    <message>
        <source>počet cyklů po 147 otočkách</source>
        <translation>number of cycles of 147 rotations</translation>
    </message>
    <message>
        <source>první otočka prvního cyklu</source>
        <translation>first rotation of the first cycle</translation>
    </message>
    <message>
        <source>polarita větší nebo menší</source>
        <translation>polarity greater or smaller</translation>
    </message>
    <message>
        <source>Carringtonova rotace; 0 = poslední v datech (u pásových map rotace před ní)</source>
        <translation>Carrington rotation; 0 = the last in the data (for the strip maps the rotations before it)</translation>
    </message>
    <message>
        <source>fakulová pole</source>
        <translation>facular fields</translation>
    </message>
    <message>
        <source>obrysy spojující skupinu s pomocnou skvrnou</source>
        <translation>outlines joining a group with its auxiliary spot</translation>
    </message>
    <message>
        <source>zelená koróna pod mapou</source>
        <translation>green corona under the map</translation>
    </message>
    <message>
        <source>magnetosféra pod mapou</source>
        <translation>magnetosphere under the map</translation>
    </message>
    <message>
        <source>Carringtonova rotace horní mapy; 0 = poslední v datech</source>
        <translation>Carrington rotation of the upper map; 0 = the last in the data</translation>
    </message>
    <message>
        <source>obsah horní mapy: spots, faculae, corona, magnetosphere spojené +, nebo none</source>
        <translation>contents of the upper map: spots, faculae, corona, magnetosphere joined with +, or none</translation>
    </message>
    <message>
        <source>obsah dolní mapy: faculae, corona, magnetosphere spojené +, nebo none</source>
        <translation>contents of the lower map: faculae, corona, magnetosphere joined with +, or none</translation>
    </message>
    <message>
        <source>posuv dolní mapy v otočkách, -10 až 10</source>
        <translation>shift of the lower map in rotations, -10 to 10</translation>
    </message>
    <message>
        <source>synoptická mapa jedné rotace se skupinami a tabulkou b/l</source>
        <translation>synoptic map of one rotation with the groups and the b/l table</translation>
    </message>
    <message>
        <source>dlouhá mapa: 16 rotací vedle sebe</source>
        <translation>long map: 16 rotations side by side</translation>
    </message>
    <message>
        <source>vysoká mapa: rotace pod sebou</source>
        <translation>high map: rotations one below another</translation>
    </message>
    <message>
        <source>dvě mapy nad sebou</source>
        <translation>two maps one above the other</translation>
    </message>
    <message>
        <source>graf zelené koróny jedné rotace po sektorech</source>
        <translation>green corona graph of one rotation by sectors</translation>
    </message>
    <message>
        <source>motýlek zelené koróny ze všech načtených rotací</source>
        <translation>green corona butterfly diagram of all rotations loaded</translation>
    </message>
    <message>
        <source>srovnání cyklů z magn.dat: podíl polarity v pásu šířek otočku po otočce</source>
        <translation>comparison of cycles from magn.dat: share of a polarity in a latitude band rotation by rotation</translation>
    </message>
    <message>
        <source>srovnání dvou map nad sebou: horní rotace a dolní posunutá o celé rotace</source>
        <translation>comparison of two maps one above the other: the upper rotation and the lower one shifted by whole rotations</translation>
    </message>
    <message>
        <source>Použití: ardeno-render [--lang cs|en] POHLED SLOŽKA VÝSTUP.png|.jpg|.bmp|.svg|.pdf [--size ŠxV] [--dpi N] [--data VÝSTUP.csv] [--volba hodnota]...
  --lang cs|en  jazyk zpráv a popisků obrázku (jinak volba v nabídce Zadávání programu nebo jazyk systému)
  --size ŠxV  velikost klientské oblasti okna = velikost obrázku v pixelech
  --dpi N  rozlišení obrázku z bodů (.png, .jpg, .bmp) pro tisk, 96 až 1200; obraz okna se zvětší N/96krát
  .svg a .pdf  tentýž obraz s textem jako textem a čarami jako vektory (pro články)
  --data VÝSTUP.csv  čísla, která obrázek kreslí, řádek za bodem nebo značkou (grafy, motýlek, mapy)
Pohledy:
</source>
        <translation>Usage: ardeno-render [--lang cs|en] VIEW FOLDER OUTPUT.png|.jpg|.bmp|.svg|.pdf [--size WxH] [--dpi N] [--data OUTPUT.csv] [--option value]...
  --lang cs|en  language of the messages and of the picture&apos;s labels (else the choice in the program&apos;s Entry menu or the system language)
  --size WxH  size of the window&apos;s client area = size of the picture in pixels
  --dpi N  resolution of a raster picture (.png, .jpg, .bmp) for print, 96 to 1200; the window&apos;s picture is enlarged N/96 times
  .svg and .pdf  the same picture with text as text and lines as vectors (for papers)
  --data OUTPUT.csv  the numbers the picture draws, a line per point or mark (graphs, butterfly diagram, maps)
Views:
</translation>
    </message>
    <message>
        <source>%1 (výchozí velikost %2x%3)</source>
        <translation>%1 (default size %2x%3)</translation>
    </message>
    <message>
        <source>%1 (výchozí %2)</source>
        <translation>%1 (default %2)</translation>
    </message>
    <message>
        <source>Volba --%1 čeká celé číslo, ne &quot;%2&quot;.</source>
        <translation>The option --%1 expects a whole number, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Volba --%1 nemá hodnotu &quot;%2&quot; (možnosti: %3).</source>
        <translation>The option --%1 has no value &quot;%2&quot; (choices: %3).</translation>
    </message>
    <message>
        <source>Chybí pohled, složka s daty nebo výstupní soubor.</source>
        <translation>The view, the data folder or the output file is missing.</translation>
    </message>
    <message>
        <source>Neznámý pohled: %1</source>
        <translation>Unknown view: %1</translation>
    </message>
    <message>
        <source>Nečekaný argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Volbě %1 chybí hodnota.</source>
        <translation>The option %1 has no value.</translation>
    </message>
    <message>
        <source>Neplatné rozlišení &quot;%1&quot;: --dpi čeká celé číslo 96 až 1200.</source>
        <translation>Invalid resolution &quot;%1&quot;: --dpi expects a whole number from 96 to 1200.</translation>
    </message>
    <message>
        <source>Neplatná velikost &quot;%1&quot;: čeká se ŠÍŘKAxVÝŠKA, např. 1600x1000.</source>
        <translation>Invalid size &quot;%1&quot;: WIDTHxHEIGHT is expected, e.g. 1600x1000.</translation>
    </message>
    <message>
        <source>Pohled %1 nezná volbu %2.</source>
        <translation>The view %1 has no option %2.</translation>
    </message>
    <message>
        <source>Obrázek i čísla mají jít do téhož souboru %1; zvol pro čísla jiné jméno.</source>
        <translation>The picture and the numbers would go into the same file %1; choose another name for the numbers.</translation>
    </message>
    <message>
        <source>Volba --dpi platí jen pro obrázky z bodů (.png, .jpg, .bmp); %1 je z vektorů a na rozlišení nezávisí.</source>
        <translation>The option --dpi applies only to raster pictures (.png, .jpg, .bmp); %1 is made of vectors and does not depend on a resolution.</translation>
    </message>
    <message>
        <source>Obrázek by při %1 dpi měl %2x%3 pixelů, víc než %4 na stranu; zmenši --size nebo --dpi.</source>
        <translation>At %1 dpi the picture would have %2x%3 pixels, more than %4 a side; reduce --size or --dpi.</translation>
    </message>
    <message>
        <source>Pohled %1 nekreslí čísla, volba --data u něj není.</source>
        <translation>The view %1 draws no numbers; it has no option --data.</translation>
    </message>
    <message>
        <source>Ve složce %1 není soubor datax.dat.</source>
        <translation>There is no datax.dat file in the folder %1.</translation>
    </message>
    <message>
        <source>V měsíci %1 není žádný zákres.</source>
        <translation>There is no drawing in the month %1.</translation>
    </message>
    <message>
        <source>Neznámý výkaz.</source>
        <translation>Unknown report.</translation>
    </message>
    <message>
        <source>měsíční výkazy okna výsledků: vlastní výsledky, SIDC, CV</source>
        <translation>monthly reports of the results window: own results, SIDC, CV</translation>
    </message>
    <message>
        <source>výkaz</source>
        <translation>report</translation>
    </message>
    <message>
        <source>měsíc 1 až 12; 0 = měsíc posledního zákresu</source>
        <translation>month 1 to 12; 0 = the month of the last drawing</translation>
    </message>
    <message>
        <source>rok výkazu</source>
        <translation>year of the report</translation>
    </message>
    <message>
        <source>Polokoule je 1 (celková), 2 (sever) nebo 3 (jih).</source>
        <translation>The hemisphere is 1 (whole disk), 2 (north) or 3 (south).</translation>
    </message>
    <message>
        <source>Neznámý pohled výsledků.</source>
        <translation>Unknown view of the results.</translation>
    </message>
    <message>
        <source>Pohled nelze otevřít.</source>
        <translation>The view cannot be opened.</translation>
    </message>
    <message>
        <source>okno výsledků: naměřené a vyhlazené měsíční hodnoty, dny bez aktivity</source>
        <translation>results window: measured and smoothed monthly values, spotless days</translation>
    </message>
    <message>
        <source>pohled okna výsledků</source>
        <translation>view of the results window</translation>
    </message>
    <message>
        <source>1 celková, 2 sever, 3 jih</source>
        <translation>1 whole disk, 2 north, 3 south</translation>
    </message>
    <message>
        <source>rok kalendáře bez aktivity; 0 = rok posledního zákresu</source>
        <translation>year of the spotless days calendar; 0 = the year of the last drawing</translation>
    </message>
    <message>
        <source>Volba --compression čeká 0 (přizpůsobit šířce) až 64 dní na pixel.</source>
        <translation>The option --compression expects 0 (fit to the width) to 64 days per pixel.</translation>
    </message>
    <message>
        <source>Volba --series: %1 (názvy indexů jako u --index, brussels-r, brussels-area, flux, spojené +).</source>
        <translation>The option --series: %1 (index names as for --index, brussels-r, brussels-area, flux, joined with +).</translation>
    </message>
    <message>
        <source>dní na pixel; 0 = celé období na šířku obrázku</source>
        <translation>days per pixel; 0 = the whole period across the picture&apos;s width</translation>
    </message>
    <message>
        <source>vyhlazovací grafy: měsíční průměry a 13měsíční vyhlazení</source>
        <translation>smoothed graphs: monthly means and the 13-month smoothing</translation>
    </message>
    <message>
        <source>asymetrie sever-jih po záznamech, měsících nebo letech</source>
        <translation>north-south asymmetry by records, months or years</translation>
    </message>
    <message>
        <source>podílová nebo rozdílová</source>
        <translation>ratio or difference</translation>
    </message>
    <message>
        <source>porovnání vyhlazených křivek, každá v procentech svého maxima</source>
        <translation>comparison of smoothed curves, each in per cent of its maximum</translation>
    </message>
    <message>
        <source>křivky: indexy jako u --index, brussels-r, brussels-area, flux, spojené +</source>
        <translation>curves: indices as for --index, brussels-r, brussels-area, flux, joined with +</translation>
    </message>
    <message>
        <source>rádiový tok OBS, ADJ nebo ABS</source>
        <translation>radio flux OBS, ADJ or ABS</translation>
    </message>
    <message>
        <source>polokoule našich indexů</source>
        <translation>hemisphere of the own indices</translation>
    </message>
    <message>
        <source>Složku %1 nelze vytvořit.</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
    <message>
        <source>sever i jih, nebo jen sever</source>
        <translation>north and south, or north only</translation>
    </message>
    <message>
        <source>pozice rotace od 1 (rotace = pozice + 1327)</source>
        <translation>position of the rotation from 1 (rotation = position + 1327)</translation>
    </message>
    <message>
        <source>polokoule</source>
        <translation>hemisphere</translation>
    </message>
    <message>
        <source>diagram</source>
        <translation>diagram</translation>
    </message>
    <message>
        <source>Soubor magn.dat nemá ani jednu otočku (je prázdný nebo zkrácený): vytvoří ho znovu součet magnetogramů (klávesa P v okně map).</source>
        <translation>The file magn.dat holds no rotation (it is empty or cut off): the summation of the magnetograms (key P in the maps window) writes it again.</translation>
    </message>
    <message>
        <source>V souboru magn.dat nejsou v pásu šířek a v otočkách zvolených cyklů žádná pozorování.</source>
        <translation>The file magn.dat holds no observation in the latitude band and the rotations of the cycles chosen.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze zapsat: %2.</source>
        <translation>The file %1 cannot be written: %2.</translation>
    </message>
    <message>
        <source>Anglické texty programu nelze načíst; bulletin se nezapsal.</source>
        <translation>The program&apos;s English texts cannot be read; the bulletin was not written.</translation>
    </message>
</context>
<context>
    <name>ardeno-sample</name>
    <message>
        <source>Semínko musí být celé nezáporné číslo.</source>
        <translation>The seed must be a whole number not below zero.</translation>
    </message>
    <message>
        <source>Zapsáno %1 zákresů (%2 - %3): %4 nakreslených pozorovateli, %5 zpráv NOAA, %6 zvláštních; souborů SIDC: %7</source>
        <translation>Written %1 drawings (%2 - %3): %4 drawn by observers, %5 NOAA reports, %6 special; SIDC files: %7</translation>
    </message>
    <message>
        <source>Použití: ardeno-sample [--lang cs|en] SLOŽKA [POČET_ZÁKRESŮ] [SEMÍNKO]
        ardeno-sample [--lang cs|en] SLOŽKA --reference ZDROJE [SEMÍNKO]
</source>
        <translation>Usage: ardeno-sample [--lang cs|en] FOLDER [DRAWINGS] [SEED]
        ardeno-sample [--lang cs|en] FOLDER --reference SOURCES [SEED]
</translation>
    </message>
    <message>
        <source>Neznámá volba: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Počet zákresů musí být celé číslo od 1 do %1.</source>
        <translation>The number of drawings must be a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>Zapsáno %1 zákresů do %2/datax.dat</source>
        <translation>Written %1 drawings into %2/datax.dat</translation>
    </message>
    <message>
        <source>Ve složce %1 nejsou zprávy NOAA (noaa-srs/raw-2014, noaa-srs/dataframes).</source>
        <translation>There are no NOAA reports in the folder %1 (noaa-srs/raw-2014, noaa-srs/dataframes).</translation>
    </message>
    <message>
        <source>Složku %1 nelze vytvořit: %2</source>
        <translation>Cannot create the folder %1: %2</translation>
    </message>
    <message>
        <source>Ve složce %1 už je soubor datax.dat; ukázková data jej nepřepíší.</source>
        <translation>The folder %1 already has a datax.dat file; the sample data do not overwrite it.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze zapsat: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>Soubor %1 nelze zapsat.</source>
        <translation>Cannot write the file %1.</translation>
    </message>
    <message>
        <source>Složka %1 není prázdná a ukázková data do ní nepíší, aby nepřepsala tvé soubory; zvol novou nebo prázdnou složku.</source>
        <translation>The folder %1 is not empty and the sample data are not written into it, so that none of your files is overwritten; choose a new or an empty folder.</translation>
    </message>
    <message>
        <source>Složku %1 nelze přečíst: %2</source>
        <translation>Cannot read the folder %1: %2</translation>
    </message>
    <message>
        <source>Soubor %1 nelze přečíst.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
</context>
</TS>
