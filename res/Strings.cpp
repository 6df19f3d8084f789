// The string table of the commands: what the status bar says while the pointer is
// on an item or a button, and the button's tooltip.
#include "res/Strings.h"

#include <unordered_map>

#include "platform/text1250.h"
#include "res/Resource.h"

namespace velk {

namespace {

struct StringRow {
    int id;
    const char* prompt;   // UTF-8
    const char* tooltip;  // UTF-8; nullptr: the same as the prompt
};

const StringRow kStrings[] = {
    // File, window and program
    {ID_FILE_NEW, "Nowy rysunek", "Nowy"},
    {ID_FILE_OPEN, "Otwórz istniejący rysunek", "Otwórz"},
    {ID_FILE_CLOSE, "Zamknij rysunek", "Zamknij"},
    {ID_FILE_SAVE, "Zapisz rysunek", "Zapisz"},
    {ID_FILE_SAVE_AS, "Zapisz rysunek pod nową nazwą", "Zapisz jako"},
    {ID_FILE_PRINT_SETUP, "Zmień drukarkę i ustawienia wydruku", "Konfiguracja wydruku"},
    {ID_FILE_PRINT, "Drukuj rysunek", "Drukuj"},
    {ID_FILE_PRINT_DIRECT, "Drukuj rysunek bez pytania o ustawienia", "Drukuj"},
    {ID_FILE_PRINT_PREVIEW, "Pokaż rysunek tak, jak zostanie wydrukowany", "Podgląd wydruku"},
    {ID_FILE_CONFIGURATION, "Ustawienia programu i arkusza", "Konfiguracja"},
    {ID_FILE_IMPORT_PICTURE, "Wstaw obrazek z pliku", "Importuj obrazek"},
    {ID_FILE_EXPORT_PICTURE, "Zapisz widok rysunku jako obrazek", "Eksportuj jak obrazek"},
    {ID_FILE_MRU_FILE1, "Otwórz ten rysunek", nullptr},
    {ID_FILE_MRU_FILE1 + 1, "Otwórz ten rysunek", nullptr},
    {ID_FILE_MRU_FILE1 + 2, "Otwórz ten rysunek", nullptr},
    {ID_FILE_MRU_FILE1 + 3, "Otwórz ten rysunek", nullptr},
    {ID_APP_EXIT, "Zakończ program", "Wyjście"},
    {ID_APP_ABOUT, "Informacje o programie", "O programie"},
    {ID_WINDOW_NEW, "Otwórz kolejne okno tego rysunku", "Nowe okno"},
    {ID_WINDOW_CASCADE, "Ułóż okna kaskadowo", "Kaskada"},
    {ID_WINDOW_TILE_HORZ, "Ułóż okna obok siebie", "Mozaika"},
    {ID_WINDOW_ARRANGE, "Ułóż ikony okien", "Organizuj okna"},
    {ID_VIEW_TOOLBAR, "Pokaż lub ukryj pasek narzędzi", "Pasek narzędzi"},
    {ID_VIEW_STATUS_BAR, "Pokaż lub ukryj pasek statusu", "Pasek statusu"},

    // Edit
    {ID_EDIT_UNDO, "Cofnij ostatnią operację", "Cofnij"},
    {ID_EDIT_REDO, "Ponów cofniętą operację", "Ponów"},
    {ID_EDIT_CUT, "Wytnij zaznaczenie", "Wytnij"},
    {ID_EDIT_COPY, "Kopiuj widok rysunku do schowka", "Kopiuj"},
    {ID_EDIT_PASTE, "Wklej wycięte elementy", "Wklej"},
    {ID_EDIT_SELECT_ALL_ITEMS, "Zaznacz wszystkie elementy", "Zaznacz wszystko"},
    {ID_EDIT_TITLE_BLOCK, "Dane tabliczki rysunkowej", "Cajetín"},
    {ID_ROTATE_LEFT, "Obróć w lewo", nullptr},
    {ID_ROTATE_RIGHT, "Obróć w prawo", nullptr},
    {ID_MIRROR_VERTICAL, "Odbicie pionowe", nullptr},
    {ID_MIRROR_HORIZONTAL, "Odbicie poziome", nullptr},

    // Modes
    {ID_MODE_RUN, "Symulacja", nullptr},
    {ID_MODE_EDIT, "Edycja", nullptr},
    {ID_MODE_PAUSE, "Pauza", nullptr},
    {ID_MODE_STEP, "Krok po kroku", nullptr},

    // Zoom and grid
    {ID_ZOOM_PREVIOUS, "Wróć do poprzedniego powiększenia", "Zoom Cofnij"},
    {ID_ZOOM_NORMAL, "Powiększenie normalne", "Zoom Normal"},
    {ID_ZOOM_IN, "Powiększ", "Zoom +"},
    {ID_ZOOM_OUT, "Pomniejsz", "Zoom -"},
    {ID_ZOOM_WINDOW, "Powiększ wskazany prostokąt", "Zoom Okno"},
    {ID_ZOOM_ALL, "Pokaż cały arkusz", "Zoom All"},
    {ID_VIEW_GRID, "Pokaż lub ukryj siatkę", "Siatka"},

    // Drawing tools
    {ID_TOOL_SELECT, "Zaznaczanie", nullptr},
    {ID_TOOL_LINE, "Linia", nullptr},
    {ID_TOOL_RECTANGLE, "Prostokąt", nullptr},
    {ID_TOOL_ELLIPSE, "Elipsa", nullptr},
    {ID_TOOL_FILLED_RECTANGLE, "Prostokąt wypełniony", nullptr},
    {ID_TOOL_FILLED_ELLIPSE, "Elipsa wypełniona", nullptr},
    {ID_TOOL_FILL, "Wypełnienie kolorem", nullptr},
    {ID_TOOL_COLOR_PICKER, "Próbnik koloru", nullptr},
    {ID_TOOL_TEXT, "Tekst", nullptr},

    // Colours
    {ID_COLOR_BLACK, "Kolor czarny", "Czarny"},
    {ID_COLOR_WHITE, "Kolor biały", "Biały"},
    {ID_COLOR_GREY, "Kolor szary", "Szary"},
    {ID_COLOR_LIGHT_GREY, "Kolor jasnoszary", "Jasnoszary"},
    {ID_COLOR_DARK_RED, "Kolor ciemnoczerwony", "Ciemnoczerwony"},
    {ID_COLOR_RED, "Kolor czerwony", "Czerwony"},
    {ID_COLOR_OLIVE, "Kolor oliwkowy", "Oliwkowy"},
    {ID_COLOR_YELLOW, "Kolor żółty", "Żółty"},
    {ID_COLOR_GREEN, "Kolor zielony", "Zielony"},
    {ID_COLOR_LIME, "Kolor jasnozielony", "Jasnozielony"},
    {ID_COLOR_TEAL, "Kolor morski", "Morski"},
    {ID_COLOR_CYAN, "Kolor błękitny", "Błękitny"},
    {ID_COLOR_CHOOSE, "Wybierz dowolny kolor", "Kolor"},

    // Palette selector
    {ID_PALETTE_SUPPLIES, "Zasilania", nullptr},
    {ID_PALETTE_FUSES, "bezpieczniki, rozłączniki bezpiecznikowe", nullptr},
    {ID_PALETTE_PROTECTION, "Wyłączniki , zabezpieczenia", nullptr},
    {ID_PALETTE_CONTACTORS, "Stycziki, Rozłączniki", nullptr},
    {ID_PALETTE_MOTORS, "Silniki", nullptr},
    {ID_PALETTE_DRIVES, "Napędy", nullptr},
    {ID_PALETTE_CONTACTS, "Styki pomocnicze,czasowe", "styki"},
    {ID_PALETTE_SWITCHES, "Łączniki", nullptr},
    {ID_PALETTE_SENSORS, "Czujniki", nullptr},
    {ID_PALETTE_COILS, "Cewki, Sygnalizacja", nullptr},
    {ID_PALETTE_LOGIC, "Logika", nullptr},
    {ID_PALETTE_WIRING, "Kable i złączki", nullptr},

    // Show menu toggles
    {ID_VIEW_BAR_SUPPLIES, "Pokaż lub ukryj paletę źródeł zasilania", nullptr},
    {ID_VIEW_BAR_FUSES, "Pokaż lub ukryj paletę bezpieczników", nullptr},
    {ID_VIEW_BAR_PROTECTION, "Pokaż lub ukryj paletę zabezpieczeń", nullptr},
    {ID_VIEW_BAR_CONTACTORS, "Pokaż lub ukryj paletę styczników i rozłączników", nullptr},
    {ID_VIEW_BAR_MOTORS, "Pokaż lub ukryj paletę silników", nullptr},
    {ID_VIEW_BAR_DRIVES, "Pokaż lub ukryj paletę napędów", nullptr},
    {ID_VIEW_BAR_CONTACTS, "Pokaż lub ukryj paletę styków pomocniczych", nullptr},
    {ID_VIEW_BAR_SWITCHES, "Pokaż lub ukryj paletę łączników", nullptr},
    {ID_VIEW_BAR_SENSORS, "Pokaż lub ukryj paletę czujników", nullptr},
    {ID_VIEW_BAR_COILS, "Pokaż lub ukryj paletę cewek", nullptr},
    {ID_VIEW_BAR_LOGIC, "Pokaż lub ukryj paletę bloków logicznych", nullptr},
    {ID_VIEW_BAR_GRAFCET, "Pokaż lub ukryj paletę bloków Grafcet", nullptr},
    {ID_VIEW_BAR_WIRING, "Pokaż lub ukryj paletę połączeń", nullptr},

    // Motors
    {ID_PLACE_MOTOR_THREE_PHASE, "Silnik trójfazowy", nullptr},
    {ID_PLACE_MOTOR_STAR_DELTA, "Silnik trójfazowy, rozruch gwiazda-trójkąt", nullptr},
    {ID_PLACE_MOTOR_SINGLE_PHASE, "Silnik jednofazowy", nullptr},
    {ID_PLACE_MOTOR_DAHLANDER, "Silnik dwubiegowy, uzwojenie przełączalne", nullptr},
    {ID_PLACE_MOTOR_TWO_WINDING, "Silnik dwubiegowy, dwa uzwojenia", nullptr},
    {ID_PLACE_MOTOR_WOUND_ROTOR, "Silnik pierścieniowy", nullptr},
    {ID_PLACE_MOTOR_DC_PERMANENT_MAGNET, "Silnik prądu stałego z magnesami trwałymi", nullptr},
    {ID_PLACE_MOTOR_DC_SEPARATELY_EXCITED, "Silnik prądu stałego obcowzbudny", nullptr},

    // Power contacts
    {ID_PLACE_MAIN_CONTACTS_I, "Styk główny jednobiegunowy", nullptr},
    {ID_PLACE_MAIN_CONTACTS_II, "Styki główne dwubiegunowe", nullptr},
    {ID_PLACE_MAIN_CONTACTS_III, "Styki główne trójbiegunowe", nullptr},
    {ID_PLACE_MAIN_CONTACTS_IIII, "Styki główne czterobiegunowe", nullptr},
    {ID_PLACE_SWITCH_DISCONNECTOR_I, "Rozłącznik jednobiegunowy", nullptr},
    {ID_PLACE_SWITCH_DISCONNECTOR_II, "Rozłącznik dwubiegunowy", nullptr},
    {ID_PLACE_SWITCH_DISCONNECTOR_III, "Rozłącznik trójbiegunowy", nullptr},
    {ID_PLACE_SWITCH_DISCONNECTOR_IIII, "Rozłącznik czterobiegunowy", nullptr},

    // Fuses
    {ID_PLACE_FUSE_I, "Bezpiecznik jednobiegunowy", nullptr},
    {ID_PLACE_FUSE_IN, "Bezpiecznik jednobiegunowy z N", nullptr},
    {ID_PLACE_FUSE_II, "Bezpiecznik dwubiegunowy", nullptr},
    {ID_PLACE_FUSE_III, "Bezpiecznik trójbiegunowy", nullptr},
    {ID_PLACE_FUSE_IIIN, "Bezpiecznik trójbiegunowy z N", nullptr},
    {ID_PLACE_FUSE_SWITCH_I, "Rozłącznik bezpiecznikowy jednobiegunowy", nullptr},
    {ID_PLACE_FUSE_SWITCH_IN, "Rozłącznik bezpiecznikowy jednobiegunowy z N", nullptr},
    {ID_PLACE_FUSE_SWITCH_II, "Rozłącznik bezpiecznikowy dwubiegunowy", nullptr},
    {ID_PLACE_FUSE_SWITCH_III, "Rozłącznik bezpiecznikowy trójbiegunowy", nullptr},
    {ID_PLACE_FUSE_SWITCH_IIIN, "Rozłącznik bezpiecznikowy trójbiegunowy z N", nullptr},

    // Breakers and protection
    {ID_PLACE_BREAKER_I, "Wyłącznik nadprądowy jednobiegunowy", nullptr},
    {ID_PLACE_BREAKER_IN, "Wyłącznik nadprądowy jednobiegunowy z N", nullptr},
    {ID_PLACE_BREAKER_II, "Wyłącznik nadprądowy dwubiegunowy", nullptr},
    {ID_PLACE_BREAKER_III, "Wyłącznik nadprądowy trójbiegunowy", nullptr},
    {ID_PLACE_BREAKER_IIIN, "Wyłącznik nadprądowy trójbiegunowy z N", nullptr},
    {ID_PLACE_RCD_IN, "Wyłącznik różnicowoprądowy jednobiegunowy z N", nullptr},
    {ID_PLACE_RCD_IIIN, "Wyłącznik różnicowoprądowy trójbiegunowy z N", nullptr},
    {ID_PLACE_THERMAL_OVERLOAD_RELAY, "Przekaźnik termiczny", nullptr},
    {ID_PLACE_MOTOR_PROTECTION_SWITCH_I, "Wyłącznik silnikowy jednobiegunowy", nullptr},
    {ID_PLACE_MOTOR_PROTECTION_SWITCH_IN, "Wyłącznik silnikowy jednobiegunowy z N", nullptr},
    {ID_PLACE_MOTOR_PROTECTION_SWITCH_II, "Wyłącznik silnikowy dwubiegunowy", nullptr},
    {ID_PLACE_MOTOR_PROTECTION_SWITCH_III, "Wyłącznik silnikowy trójbiegunowy", nullptr},
    {ID_PLACE_MOTOR_PROTECTION_SWITCH_IIIN, "Wyłącznik silnikowy trójbiegunowy z N", nullptr},
    {ID_PLACE_SURGE_ARRESTER_IN, "Ogranicznik przepięć jednobiegunowy z N", nullptr},
    {ID_PLACE_SURGE_ARRESTER_IIIN, "Ogranicznik przepięć trójbiegunowy z N", nullptr},

    // Supplies and converters
    {ID_PLACE_SUPPLY_L, "Zasilanie L", nullptr},
    {ID_PLACE_SUPPLY_N, "Zasilanie N", nullptr},
    {ID_PLACE_SUPPLY_PE, "Zasilanie PE", nullptr},
    {ID_PLACE_SUPPLY_LN, "Zasilanie L, N", nullptr},
    {ID_PLACE_SUPPLY_LNPE, "Zasilanie L, N, PE", nullptr},
    {ID_PLACE_SUPPLY_L1L2L3, "Zasilanie L1, L2, L3", nullptr},
    {ID_PLACE_SUPPLY_L1L2L3PE, "Zasilanie L1, L2, L3, PE", nullptr},
    {ID_PLACE_SUPPLY_L1L2L3N, "Zasilanie L1, L2, L3, N", nullptr},
    {ID_PLACE_SUPPLY_L1L2L3NPE, "Zasilanie L1, L2, L3, N, PE", nullptr},
    {ID_PLACE_SUPPLY_PLUS, "Zasilanie +", nullptr},
    {ID_PLACE_SUPPLY_MINUS, "Zasilanie -", nullptr},
    {ID_PLACE_SUPPLY_PLUS_MINUS, "Zasilanie +, -", nullptr},
    {ID_PLACE_EARTH_SYMBOL, "Uziemienie", nullptr},
    {ID_PLACE_TRANSFORMER, "Transformator jednofazowy", nullptr},
    {ID_PLACE_TRANSFORMER_THREE_PHASE, "Transformator trójfazowy", nullptr},
    {ID_PLACE_DIODE, "Dioda", nullptr},
    {ID_PLACE_RECTIFIER, "Prostownik", nullptr},
    {ID_PLACE_POWER_SUPPLY_UNIT, "Zasilacz", nullptr},
    {ID_PLACE_POWER_SUPPLY_UNIT_THREE_PHASE, "Zasilacz trójfazowy", nullptr},
    {ID_PLACE_BATTERY, "Bateria", nullptr},

    // Wires, junctions and terminals
    {ID_PLACE_WIRE_PHASE, "Przewód fazowy", nullptr},
    {ID_PLACE_WIRE_NEUTRAL, "Przewód neutralny N", nullptr},
    {ID_PLACE_WIRE_PE, "Przewód ochronny PE", nullptr},
    {ID_PLACE_WIRE_PLUS, "Przewód +", nullptr},
    {ID_PLACE_WIRE_MINUS, "Przewód -", nullptr},
    {ID_PLACE_CONNECTION_DOT, "Węzeł połączenia", nullptr},
    {ID_PLACE_WIRE_THREE_PHASE_VERTICAL_1, "Trzy przewody fazowe pionowe (1)", nullptr},
    {ID_PLACE_WIRE_THREE_PHASE_VERTICAL_2, "Trzy przewody fazowe pionowe (2)", nullptr},
    {ID_PLACE_WIRE_THREE_PHASE_HORIZONTAL_1, "Trzy przewody fazowe poziome (1)", nullptr},
    {ID_PLACE_WIRE_THREE_PHASE_HORIZONTAL_2, "Trzy przewody fazowe poziome (2)", nullptr},
    {ID_PLACE_BUNDLE, "Wiązka przewodów", nullptr},
    {ID_PLACE_BUNDLE_ENTRY_LEFT, "Wejście do wiązki z lewej", nullptr},
    {ID_PLACE_BUNDLE_ENTRY_RIGHT, "Wejście do wiązki z prawej", nullptr},
    {ID_PLACE_TERMINAL_I, "Zacisk", nullptr},
    {ID_PLACE_TERMINAL_II, "Zacisk podwójny", nullptr},
    {ID_PLACE_TERMINAL_STRIP_2, "Listwa zaciskowa, dwa zaciski", nullptr},
    {ID_PLACE_TERMINAL_STRIP_3, "Listwa zaciskowa, trzy zaciski", nullptr},
    {ID_PLACE_TERMINAL_STRIP_4, "Listwa zaciskowa, cztery zaciski", nullptr},
    {ID_PLACE_CONNECTION_POINT_LEFT, "Punkt połączenia w lewo", nullptr},
    {ID_PLACE_CONNECTION_POINT_RIGHT, "Punkt połączenia w prawo", nullptr},

    // Manual devices, thermal contacts and selectors
    {ID_PLACE_PUSH_BUTTON_NO, "Przycisk zwierny", nullptr},
    {ID_PLACE_PUSH_BUTTON_NC, "Przycisk rozwierny", nullptr},
    {ID_PLACE_PUSH_BUTTON_NONC, "Przycisk zwierno-rozwierny", nullptr},
    {ID_PLACE_PUSH_BUTTON_CHANGEOVER, "Przycisk przełączny", nullptr},
    {ID_PLACE_MUSHROOM_BUTTON_NO, "Przycisk grzybkowy zwierny", nullptr},
    {ID_PLACE_MUSHROOM_BUTTON_NC, "Przycisk grzybkowy rozwierny", nullptr},
    {ID_PLACE_MUSHROOM_BUTTON_NONC, "Przycisk grzybkowy zwierno-rozwierny", nullptr},
    {ID_PLACE_MUSHROOM_BUTTON_CHANGEOVER, "Przycisk grzybkowy przełączny", nullptr},
    {ID_PLACE_LATCHING_SWITCH_NO, "Łącznik z zatrzaskiem zwierny", nullptr},
    {ID_PLACE_LATCHING_SWITCH_NC, "Łącznik z zatrzaskiem rozwierny", nullptr},
    {ID_PLACE_LATCHING_SWITCH_NONC, "Łącznik z zatrzaskiem zwierno-rozwierny", nullptr},
    {ID_PLACE_LATCHING_SWITCH_CHANGEOVER, "Łącznik z zatrzaskiem przełączny", nullptr},
    {ID_PLACE_SELECTOR_SWITCH_CENTER_OFF, "Przełącznik z położeniem zerowym", nullptr},
    {ID_PLACE_SELECTOR_SWITCH_THREE_WAY, "Przełącznik trzypołożeniowy", nullptr},
    {ID_PLACE_INTERMEDIATE_SWITCH, "Łącznik krzyżowy", nullptr},
    {ID_PLACE_LIMIT_SWITCH_NO, "Łącznik krańcowy zwierny", nullptr},
    {ID_PLACE_LIMIT_SWITCH_NC, "Łącznik krańcowy rozwierny", nullptr},
    {ID_PLACE_LIMIT_SWITCH_NONC, "Łącznik krańcowy zwierno-rozwierny", nullptr},
    {ID_PLACE_LIMIT_SWITCH_CHANGEOVER, "Łącznik krańcowy przełączny", nullptr},
    {ID_PLACE_THERMAL_CONTACT_NO, "Styk przekaźnika termicznego zwierny", nullptr},
    {ID_PLACE_THERMAL_CONTACT_NC, "Styk przekaźnika termicznego rozwierny", nullptr},
    {ID_PLACE_THERMAL_CONTACT_NONC, "Styk przekaźnika termicznego zwierno-rozwierny", nullptr},
    {ID_PLACE_THERMAL_CONTACT_CHANGEOVER, "Styk przekaźnika termicznego przełączny", nullptr},

    // Auxiliary and timed contacts
    {ID_PLACE_AUX_CONTACT_NO, "Styk pomocniczy zwierny", nullptr},
    {ID_PLACE_AUX_CONTACT_NC, "Styk pomocniczy rozwierny", nullptr},
    {ID_PLACE_AUX_CONTACT_NONC, "Styk pomocniczy zwierno-rozwierny", nullptr},
    {ID_PLACE_AUX_CONTACT_CHANGEOVER, "Styk pomocniczy przełączny", nullptr},
    {ID_PLACE_ON_DELAY_CONTACT_NO, "Styk czasowy zwierny, opóźnione załączanie", nullptr},
    {ID_PLACE_ON_DELAY_CONTACT_NC, "Styk czasowy rozwierny, opóźnione załączanie", nullptr},
    {ID_PLACE_ON_DELAY_CONTACT_NONC, "Styk czasowy zwierno-rozwierny, opóźnione załączanie", nullptr},
    {ID_PLACE_ON_DELAY_CONTACT_CHANGEOVER, "Styk czasowy przełączny, opóźnione załączanie", nullptr},
    {ID_PLACE_OFF_DELAY_CONTACT_NO, "Styk czasowy zwierny, opóźnione wyłączanie", nullptr},
    {ID_PLACE_OFF_DELAY_CONTACT_NC, "Styk czasowy rozwierny, opóźnione wyłączanie", nullptr},
    {ID_PLACE_OFF_DELAY_CONTACT_NONC, "Styk czasowy zwierno-rozwierny, opóźnione wyłączanie", nullptr},
    {ID_PLACE_OFF_DELAY_CONTACT_CHANGEOVER, "Styk czasowy przełączny, opóźnione wyłączanie", nullptr},
    {ID_PLACE_ON_OFF_DELAY_CONTACT_NO, "Styk czasowy zwierny, opóźnione załączanie i wyłączanie", nullptr},
    {ID_PLACE_ON_OFF_DELAY_CONTACT_NC, "Styk czasowy rozwierny, opóźnione załączanie i wyłączanie", nullptr},
    {ID_PLACE_ON_OFF_DELAY_CONTACT_NONC, "Styk czasowy zwierno-rozwierny, opóźnione załączanie i wyłączanie",
     nullptr},
    {ID_PLACE_ON_OFF_DELAY_CONTACT_CHANGEOVER, "Styk czasowy przełączny, opóźnione załączanie i wyłączanie",
     nullptr},

    // Coils, timers and signalling
    {ID_PLACE_COIL, "Cewka stycznika", nullptr},
    {ID_PLACE_BISTABLE_COIL, "Cewka bistabilna", nullptr},
    {ID_PLACE_IMPULSE_RELAY_COIL, "Cewka przekaźnika impulsowego", nullptr},
    {ID_PLACE_SOLENOID_VALVE_COIL, "Cewka elektrozaworu", nullptr},
    {ID_PLACE_ON_DELAY_TIMER, "Przekaźnik czasowy, opóźnione załączanie", nullptr},
    {ID_PLACE_OFF_DELAY_TIMER, "Przekaźnik czasowy, opóźnione wyłączanie", nullptr},
    {ID_PLACE_ON_OFF_DELAY_TIMER, "Przekaźnik czasowy, opóźnione załączanie i wyłączanie", nullptr},
    {ID_PLACE_CYCLIC_TIMER, "Przekaźnik czasowy cykliczny", nullptr},
    {ID_PLACE_PILOT_LAMP, "Lampka sygnalizacyjna", nullptr},
    {ID_PLACE_FLASHING_PILOT_LAMP, "Lampka sygnalizacyjna migająca", nullptr},
    {ID_PLACE_BELL, "Dzwonek", nullptr},
    {ID_PLACE_BUZZER, "Brzęczyk", nullptr},
    {ID_PLACE_SIREN, "Syrena", nullptr},
    {ID_PLACE_HORN, "Sygnalizator tubowy", nullptr},

    // Resistors and drives
    {ID_PLACE_RESISTOR, "Rezystor", nullptr},
    {ID_PLACE_RESISTOR_THREE_PHASE, "Rezystor trójfazowy", nullptr},
    {ID_PLACE_AUTOTRANSFORMER, "Autotransformator", nullptr},
    {ID_PLACE_SOFT_STARTER, "Układ łagodnego rozruchu", nullptr},
    {ID_PLACE_SOFT_STARTER_CONTROL, "Sterowanie układu łagodnego rozruchu", nullptr},
    {ID_PLACE_INVERTER_SINGLE_PHASE_FED, "Przemiennik częstotliwości zasilany jednofazowo", nullptr},
    {ID_PLACE_INVERTER_THREE_PHASE, "Przemiennik częstotliwości trójfazowy", nullptr},
    {ID_PLACE_INVERTER_CONTROL, "Sterowanie przemiennika częstotliwości", nullptr},
    {ID_PLACE_DC_REGULATOR_SINGLE_PHASE, "Regulator prądu stałego zasilany jednofazowo", nullptr},
    {ID_PLACE_DC_REGULATOR_SINGLE_PHASE_FIELD, "Regulator prądu stałego zasilany jednofazowo, ze wzbudzeniem",
     nullptr},
    {ID_PLACE_DC_REGULATOR_THREE_PHASE, "Regulator prądu stałego zasilany trójfazowo", nullptr},
    {ID_PLACE_DC_REGULATOR_THREE_PHASE_FIELD, "Regulator prądu stałego zasilany trójfazowo, ze wzbudzeniem",
     nullptr},
    {ID_PLACE_DC_REGULATOR_CONTROL, "Sterowanie regulatora prądu stałego", nullptr},

    // Sensors and barriers
    {ID_PLACE_INDUCTIVE_SENSOR_NO, "Czujnik indukcyjny zwierny", nullptr},
    {ID_PLACE_INDUCTIVE_SENSOR_NC, "Czujnik indukcyjny rozwierny", nullptr},
    {ID_PLACE_CAPACITIVE_SENSOR_NO, "Czujnik pojemnościowy zwierny", nullptr},
    {ID_PLACE_CAPACITIVE_SENSOR_NC, "Czujnik pojemnościowy rozwierny", nullptr},
    {ID_PLACE_MAGNETIC_SENSOR_NO, "Czujnik magnetyczny zwierny", nullptr},
    {ID_PLACE_MAGNETIC_SENSOR_NC, "Czujnik magnetyczny rozwierny", nullptr},
    {ID_PLACE_REFLEX_BARRIER, "Bariera odbiciowa", nullptr},
    {ID_PLACE_BARRIER_EMITTER, "Nadajnik bariery", nullptr},
    {ID_PLACE_BARRIER_RECEIVER_NO, "Odbiornik bariery zwierny", nullptr},
    {ID_PLACE_BARRIER_RECEIVER_NC, "Odbiornik bariery rozwierny", nullptr},

    // Logic and ladder
    {ID_PLACE_AND, "Bramka AND", nullptr},
    {ID_PLACE_OR, "Bramka OR", nullptr},
    {ID_PLACE_NOT, "Bramka NOT", nullptr},
    {ID_PLACE_EXOR, "Bramka EXOR", nullptr},
    {ID_PLACE_NAND, "Bramka NAND", nullptr},
    {ID_PLACE_NOR, "Bramka NOR", nullptr},
    {ID_PLACE_LADDER_CONTACT_NO, "Styk zwierny", nullptr},
    {ID_PLACE_LADDER_CONTACT_NC, "Styk rozwierny", nullptr},
    {ID_PLACE_LADDER_RISING_EDGE, "Zbocze narastające", nullptr},
    {ID_PLACE_LADDER_FALLING_EDGE, "Zbocze opadające", nullptr},
    {ID_PLACE_LADDER_COIL, "Cewka", nullptr},
    {ID_PLACE_LADDER_SET_COIL, "Cewka ustawiająca (S)", nullptr},
    {ID_PLACE_LADDER_RESET_COIL, "Cewka kasująca (R)", nullptr},
    {ID_PLACE_LOGIC_PROBE, "Sonda logiczna", nullptr},
    {ID_PLACE_LOGIC_DISPLAY, "Wskaźnik stanu logicznego", nullptr},
    {ID_PLACE_DISPLAY_BCD, "Display BCD", nullptr},
    {ID_PLACE_DISPLAY_7_SEGMENTS, "Display 7 Segmentos", nullptr},
    {ID_PLACE_PRESELECTOR_BCD, "Preselector BCD", nullptr},

    // Sequential-chart blocks
    {ID_PLACE_GRAFCET_INITIAL_STEP, "Krok początkowy", nullptr},
    {ID_PLACE_GRAFCET_STEP, "Krok", nullptr},
    {ID_PLACE_GRAFCET_TRANSITION, "Przejście", nullptr},
    {ID_PLACE_GRAFCET_ACTION, "Akcja", nullptr},
    {ID_PLACE_GRAFCET_OR_DIVERGENCE, "Rozgałęzienie OR", nullptr},
    {ID_PLACE_GRAFCET_OR_CONVERGENCE, "Zbieg OR", nullptr},
    {ID_PLACE_GRAFCET_AND_DIVERGENCE, "Rozgałęzienie AND", nullptr},
    {ID_PLACE_GRAFCET_AND_CONVERGENCE, "Zbieg AND", nullptr},
    {ID_PLACE_GRAFCET_LINK, "Połączenie", nullptr},
    {ID_PLACE_GRAFCET_INPUT_LINK, "Połączenie wejściowe", nullptr},
    {ID_PLACE_GRAFCET_OUTPUT_LINK, "Połączenie wyjściowe", nullptr},
    {ID_PLACE_GRAFCET_MACRO_STEP, "Makrokrok", nullptr},
};

}  // namespace

std::string commandString(int id) {
    static const std::unordered_map<int, std::string> table = [] {
        std::unordered_map<int, std::string> m;
        for (const StringRow& row : kStrings)
            m.emplace(row.id, cp1250(row.prompt) + "\n" + cp1250(row.tooltip ? row.tooltip : row.prompt));
        return m;
    }();
    const auto it = table.find(id);
    return it == table.end() ? std::string() : it->second;
}

}  // namespace velk
