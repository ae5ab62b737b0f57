// The main window: the page control with the start, chooser, neutral, page-order, properties,
// export and import sheets and one editor sheet per page type; the toolbars; the header, footer,
// page-sound and navigation bars shared by every page editor; the editor cycle that moves a page
// between the book and the controls; the page list; and the book commands New, Open and Save.
// The window shows and edits the open document (book/documento.h) and follows its signals.
// The class is split over several files: quibelf.cpp (building and life cycle),
// quibelf_follas.cpp (the late build of the sheets),
// quibelf_ciclo.cpp (editor cycle), quibelf_paxinas.cpp (page list and keys),
// quibelf_costuras.cpp (the steps whose subsystems are still small: resource panel, sound,
// preview, views, export objects), book/comandos_ui.cpp (book commands),
// languages/idiomas_ui.cpp (interface language) and publish/exportar_ui.cpp (the export sheet).
#pragma once

#include "book/documento.h"
#include "book/globais.h"
#include "book/rutinas.h"
#include "editor/editores.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTemporaryDir;
class QToolBar;
class QToolButton;

namespace quibel {

class Follas;
class FollaPropiedades;
class Tfeditor1;
class Tfeditortexto;
class HtmlView;
class PictureBox;
struct ContextoRanuras;
struct Ranura;
class LabelledEdit;
class ListaRecursos;
class ExportSheet;
class Panel;
class LimitedEdit;
class SelectorTipos;
class TXMLDoc;
struct InformeLectura;
struct Rotulo;

// Shown in the window caption, the version item and the splash window.
inline const QString versionquibel = QStringLiteral("Quibel  v5.6.4");

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // argumentos: the program's arguments after its own name; the first names a book to open.
    explicit TForm1(const QStringList& argumentos = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    Documento documento;           // the open book and its session
    Book& libro = documento.libro; // the open book

    // --- sheets of the page control ---------------------------------------------------------
    enum Folla {
        inicio = 0,      // TabSheet3: start sheet, language list
        escoller = 1,    // TabSheet22: type chooser (the palette is built into it)
        pasarfolla = 2,  // TabSheet2: the neutral sheet
        cambiarorde = 3, // TabSheet30: page order
        identif = 4,     // TabSheet1: book properties
        exporta = 5,     // tabExportar
        inserir = 6,     // TabInserir: import of pages
    };
    static constexpr int numfollas = primeirafollatipo + numtipos + 1; // 58
    // The width the widest sheet needs (the type-22 editor's): the page control holds it from the
    // start, so that the window starts as wide as when every sheet was built with it and a sheet
    // built later fits. A test holds every sheet to it.
    static constexpr int anchofollas = 892;

    // --- late build of the sheets (quibelf_follas.cpp) ----------------------------------------
    // The page editors and the properties, export and import sheets make their controls the first
    // time they are shown. prepararfolla(i) builds sheet i when it is not built yet, with what
    // follows its construction (binders, views, captions) and what the window received before
    // (the resets of New and Open, the last book read, the language); it returns the sheet.
    // Whatever reaches a sheet's controls before it is shown asks for it through this call.
    QWidget* prepararfolla(int i);
    void prepararfollas(); // every sheet (for what goes over the controls of all of them)
    bool follafeita(int i) const { return i >= 0 && i < numfollas && feitas[i]; }

    // --- widgets (named by objectName) -------------------------------------------------------
    QScrollArea* scrollprincipal = nullptr; // the window's content scrolls when it is too small
    QWidget* Panel113 = nullptr;            // the main panel
    QToolBar* ToolBar2 = nullptr;           // main toolbar
    QToolButton *SpeedButton135 = nullptr, *SpeedButton137 = nullptr, *bgardar = nullptr,
                *bgardarcomo = nullptr, *bconf = nullptr, *bpaxinas = nullptr, *btinserir = nullptr,
                *SpeedButton133 = nullptr, *SpeedButton169 = nullptr;
    QLabel* Label1 = nullptr;  // version
    QLabel* titular = nullptr; // title line
    QSplitter* divisor = nullptr;
    QWidget* sprspl = nullptr; // the splitter's handle between the resource panel and the editor
    QFrame* Panel1 = nullptr;  // resource panel
    QWidget* pcab = nullptr;   // header: txtcabe, btproppax, btmirar
    QLineEdit* txtcabe = nullptr;
    QToolButton *btproppax = nullptr, *btmirar = nullptr;
    Follas* tipaxinas = nullptr;
    std::array<QWidget*, numfollas> follas{};
    SelectorTipos* selectortipos = nullptr; // the type chooser, which is TabSheet22
    QWidget *TabSheet3 = nullptr, *TabSheet22 = nullptr, *TabSheet2 = nullptr, *TabSheet30 = nullptr,
            *TabSheet1 = nullptr, *tabExportar = nullptr, *TabInserir = nullptr;
    QLabel *Label36 = nullptr, *Label45 = nullptr, *Label44 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* SpeedButton168 = nullptr;
    LabelledEdit* txtlibro = nullptr;
    QWidget* ptxtpe = nullptr; // footer
    LimitedEdit* txtpe = nullptr;
    QCheckBox *chpasa = nullptr, *chpasam = nullptr;
    QToolButton *Image68 = nullptr, *Image64 = nullptr; // small pictures that toggle chpasa, chpasam
    QWidget* panelsonavega = nullptr;                   // bottom bar: page sound and navigation
    QWidget* grson = nullptr;
    QLabel* txgrson = nullptr;
    QLineEdit* txtson = nullptr;
    QToolButton *plson = nullptr, *SpeedButton21 = nullptr;
    QCheckBox* autoson = nullptr;
    QWidget* navega = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton *SpeedButton8 = nullptr, *SpeedButton9 = nullptr, *SpeedButton10 = nullptr,
                *SpeedButton12 = nullptr, *SpeedButton11 = nullptr, *btclona = nullptr,
                *SpeedButton7 = nullptr, *SpeedButton167 = nullptr, *SpeedButton13 = nullptr;
    QComboBox* numpaxinap = nullptr; // page selector: item i is page i + 1
    QFrame* proppax = nullptr;       // page-properties panel
    LabelledEdit *proppaxltxt = nullptr, *proppaxld = nullptr, *benpax = nullptr, *malpax = nullptr;
    QLabel *labelmensa = nullptr, *labelliga = nullptr;
    QAction* Quibelv270 = nullptr;                                  // version item of popm
    std::unique_ptr<LabelledEdit> editoculto;                       // a spare name edit that is never shown
    std::unique_ptr<EditorContext> contexto;                        // what the editors see
    std::array<std::unique_ptr<PageEditor>, numtipos + 1> editores; // by type; empty: none yet

    // --- state -------------------------------------------------------------------------------
    std::array<bool, numfollas> feitas{}; // sheets whose controls exist
    bool reiniciado = false;              // a New or an Open has reset the controls
    QString carpetavistas;                // the book folder the last reset gave the views
    // What reached the properties sheet before it was built, in order; run when it is built.
    std::vector<std::function<void()>> pendentespropiedades;
    std::unique_ptr<TXMLDoc> docxml;        // every book is parsed through it
    int altopechado = 24, altoaberto = 350; // heights of a closed and of the open resource list
    int bassactivo = 0;                     // the sound engine is ready
    bool sonpendente = false;               // the engine starts with the first sound
    quint32 canalson = 0;                   // the stream sonar created last
    int marxeesquerda = 40, anchoeditor = 420, marxe = 10; // layout values of the page editors

    // --- life cycle (quibelf.cpp) --------------------------------------------------------------
    void FormActivate();
    void FormResize();
    void sprsplMoved(int pos);
    void SpeedButton169Click(); // close
    void Quibelv270Click();     // version item: back to the start sheet
    // Captions and hints of the window and of its sheets in the language in force, from the one
    // table of them (languages/rotulos.h).
    void rotularventa();
    // Writes a caption (Rotulo::Clase) on a control of a kind the sheets use; false for another.
    static bool porrotulo(QWidget* control, int clase, const QString& texto);
    QList<QWidget*> controisderotulo(const Rotulo& r) const;
    // The rows of sheet `numero` on a sheet built apart (an editor tested on a bare sheet).
    static void rotularfolla(QWidget* folla, int numero);

    // --- editor cycle (quibelf_ciclo.cpp) -----------------------------------------------------
    bool paxinavalida() const {
        return documento.paxinaactual() >= 1 && documento.paxinaactual() <= libro.numpaxinas;
    }
    void entrapaxina(int modo, int tipo);
    void pasar(int tipo);
    void vercomunes(int modo);
    void pestanHide();
    void follatipoShow(int tipo); // OnShow of the sheet of a page type
    void TabSheet1Show();
    void TabSheet1Hide();
    void TabSheet22Show();
    void TabSheet22Hide();
    void autosonClick();
    void SpeedButton21Click(); // clears the page sound
    void plsonClick();
    void Image68Click();
    void Image64Click();
    void btproppaxClick();
    void txtlibroChange();
    // Shows the book-property controls that exist with the values of the model.
    void amosarpropiedades();
    // colorcape: the header and footer edits in the book's background and text colours.
    void colorcape();

    // --- page list and keys (quibelf_paxinas.cpp) ---------------------------------------------
    // Inserts n blank pages after the current one (the selector grows); false when refused.
    bool paxinanova(int n);
    void crecerselector(int paxinas); // the page selector grows to hold pages 1..paxinas
    // Commits the open editor through the neutral sheet, makes page n current and shows it:
    // the sheet of its type, or the neutral sheet with the navigation bar when it has no valid
    // type. The one way every command shows a page.
    void amosarpaxina(int n);
    void iniciatipo(int tipo);  // a type chosen in the palette: a new page of it after this one
    void SpeedButton11Click();  // offer the type chooser
    void btclonaClick();        // duplicate
    void SpeedButton7Click();   // delete
    void SpeedButton167Click(); // page order list
    void SpeedButton168Click(); // apply the order
    void saltaapaxina(int n);
    void numpaxinapSelect(int indice);
    void SpeedButton10Click(); // next
    void SpeedButton9Click();  // previous
    void SpeedButton8Click();  // first
    void SpeedButton12Click(); // last
    void bpaxinasClick();
    void bconfClick();
    // The keyboard commands; foco is the widget that has the focus (may be null).
    void FormKeyDown(int tecla, QWidget* foco);

    // --- book commands (book/comandos_ui.cpp) -------------------------------------------------
    void SpeedButton135Click(); // New
    void SpeedButton137Click(); // Open
    void FormDropFiles(const QStringList& arquivos);
    // Opens a whole book; on failure tells why and keeps the open book. True when opened.
    bool cargar(const QString& arquivo);
    void bgardars();           // Save with dialog
    void SpeedButton13Click(); // quick save
    void bgardarcomoClick();   // export sheet
    // The replace question before New and Open; true to go on.
    bool preguntasubstituir();
    // Applies what the reader found to the controls, through the key table below.
    void aplicarinforme(const InformeLectura& informe);
    // The controls of each key of a read report or a reset: the one place where those keys meet
    // widget names. Every entry names controls that exist on the built window.
    static const std::vector<std::pair<CorLibro, QStringList>>& paneisdecor();
    static const std::vector<std::pair<ImaxeLibro, QString>>& imaxesdeclave();
    static const std::vector<std::pair<SonLibro, QString>>& botonsdeson();
    // The background-picture frame, sized and placed with the background picture.
    static QString marcofondo() { return QStringLiteral("bimaxe"); }

    // --- import of pages from another book (book/importar_ui.cpp) ---------------------------
    LabelledEdit* arquivoengadir = nullptr; // the source book file
    QToolButton* SpeedButton200 = nullptr;
    QLineEdit *engadedesde = nullptr, *engadeata = nullptr; // the range, from 1
    QPushButton* btinserirxa = nullptr;
    QLabel *labelinsert = nullptr, *labelinsertlibro = nullptr, *labelinsertpaxinas = nullptr;
    void btinserirClick(); // the import sheet, only with a page shown
    void SpeedButton200Click();
    void paraengadir(const QString& arquivo); // reads the source and proposes its whole range
    void btinserirxaClick();
    // Inserts pages desde..ata of the source after the page shown, or nothing with a message.
    void engadir(const QString& arquivo, int desde, int ata);

    // --- book-properties sheet (editor/propiedades.h), on TabSheet1 ----------------------------
    FollaPropiedades* propiedades = nullptr;

    // --- resource panel (quibelf_recursos.cpp) --------------------------------------------------
    QLabel* precur = nullptr; // header
    QWidget* Panel4 = nullptr;
    QToolButton *SpeedButton2 = nullptr, *btraer = nullptr, *SpeedButton3 = nullptr, *SpeedButton4 = nullptr;
    QWidget *pflimaxe = nullptr, *pflsons = nullptr, *pflanima = nullptr, *pfltextos = nullptr;
    Panel *ALIMAXES = nullptr, *ALSONS = nullptr, *ALANIMA = nullptr, *ALTEXTOS = nullptr;
    ListaRecursos *flimaxe = nullptr, *flsons = nullptr, *flanima = nullptr, *fltextos = nullptr;
    QWidget* previaimx = nullptr;
    QLabel *Image7 = nullptr, *infoimaxe = nullptr;
    QToolButton *previosonido = nullptr, *pararpreviosonido = nullptr;
    int listaaberta = 0;   // kind of the open list, 0 when none is open
    EstadoCarpeta listada; // the resource folder as the lists show it

    void ponrecursos(); // resource panel at the book's resource folder
    void refresca();    // refresh the resource lists, when the folder has changed since
    void relistar();    // list the resource folder again, changed or not
    void selecionaimaxe(const QString& arquivo);
    void ALIMAXESClick();
    void ALSONSClick();
    void ALANIMAClick();
    void ALTEXTOSClick();
    void escollerlista(ListaRecursos* lista); // a list's selection handler
    void btraerClick();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void previosonidoClick();
    void pararpreviosonidoClick();

    // --- drop slots (quibelf_ranuras.cpp) ------------------------------------------------------
    PictureBox* temimx = nullptr; // stands in for the picture of slots that show only a name
    PictureBox* nojpg = nullptr;  // its picture stands for a video in a picture slot
    std::unique_ptr<ContextoRanuras> contextoranuras;
    struct RanuraVinculada {
        const Ranura* ranura;
        PictureBox* imaxe; // picture rows
        QLineEdit* nome;
        QAbstractButton* tocar; // sound rows
    };
    std::vector<RanuraVinculada> ranurasvinculadas; // every slot of every sheet, bound
    // The pieces every slot binding shares (the stand-in pictures, the page sound).
    void vincularranuras();
    // Finds or makes the slot controls of the sheet of type tipo and binds drop, clear and play.
    void vincularranuras(int tipo);
    // Show mode over the slots of a type, from page paxinaactual.
    void amosarranuras(int tipo);
    void txtsonDragDrop();   // the page sound
    int imaxemarcada = 0;    // the selected moving picture of type 23 (1..6), 0 for none
    int campoimaxemenu = 22; // the field of the menu page's button picture
    // What some drops do besides filling their slot: place or size the picture, set a flag.
    void trasponerim(const Ranura& r, PictureBox* imaxe, const QPoint& punto);
    // The drops and switches of single types that are no plain slot.
    void vincularespeciais(int tipo);
    void cargarespeciais(int tipo); // their show step
    // The mode switches of the find-a-word and pairs-2 pages: the box from P26, its panels shown.
    void amosarsopa();
    void amosarparellas2();
    void CheckBox1Click();      // find a word: with pictures
    void chparsonClick();       // pairs 2: sounds
    void SpeedButton108Click(); // the puzzle: draws its grid again

    // --- dragging page elements, the menu page's buttons (quibelf_arrastre.cpp, quibelf_menu.cpp)
    QFrame* marcomvi = nullptr; // the frame of the selected moving picture of type 23
    int botonmenu = 0;          // the menu button whose text visormenu holds (1..6); 0 before any show
    // Binds the drag rows, the text frame's resize, the background label, the moving pictures'
    // clear and the menu buttons whose controls are on their sheets; after the views are made.
    void vinculararrastre(int tipo);
    void cargararrastre(int tipo); // their show step
    // The page shown while the sheet shown is its working copy of type tipo, else nullptr.
    Tpaxina* paxinadetipo(int tipo);
    void ponermarco(QWidget* imaxe);
    void puntosimxno();
    void imxmovpremida(int n);           // a press on moving picture n selects it
    void ponerimxmov(PictureBox* imaxe); // a picture dropped into a moving picture
    void borrarimxmov(int n);            // moving picture n is cleared to its numbered blank
    void borrimx1Click();                // clears the selected moving picture
    void vincularmenu();
    void cargarmenu();         // show step of the menu page
    void escollerboton(int k); // boton1Click..boton6Click and txtmenu1Click..txtmenu6Click

    // --- HTML views of the page texts (quibelf_vistas.cpp) --------------------------------------
    HtmlView *visortexto = nullptr, *visormenu = nullptr, *visorplantilla = nullptr;
    QString textoeditor;             // the HTML handed to an editor window
    HtmlView* visoreditor = nullptr; // the view that receives the editor window's result
    void crearvistas(int tipo);      // the views of the sheet of type tipo
    void borrarvistas();
    void arrastrahtml(HtmlView* vista); // a text file dropped on a view
    void abrireditorvisual(HtmlView* vista);
    // The HTML text editor on a view: the text page's `editar`, the menu page's SpeedButton69 and
    // SpeedButton98 (editarClick) and the template page's SpeedButton104.
    void abrireditortexto(HtmlView* vista);
    void abrireditortexto() { abrireditortexto(visortexto); }
    void editarClick() { abrireditortexto(visormenu); }
    void SpeedButton104Click() { abrireditortexto(visorplantilla); }
    Tfeditortexto* feditortexto = nullptr; // the editor windows, handed over by the main block
    Tfeditor1* feditor1 = nullptr;
    // Builds the editor windows where the main block has not handed them over yet.
    std::function<void()> prepararventas;

    // --- steps of the subsystems still to be filled in (quibelf_costuras.cpp) -----------------
    void pararson();                               // stops the sound playing
    void amosarventaimaxe(const QString& arquivo); // the image window on a picture
    void sonar(const QString& arquivo);
    void btmirarClick();        // preview
    void SpeedButton133Click(); // help (F1)
    void crearpaleta();         // build the type palette into TabSheet22
    void borrarpaleta();
    void iniciarson(); // sound library
    void liberarson();
    void crearexportacion(); // objects of the export (Flash stream, ZIP writer, copy list)
    void borrarexportacion();
    ExportSheet* exportacion = nullptr; // the export sheet's controls and handlers (publish/exportar_ui.h)

    // --- interface language (languages/idiomas_ui.cpp) ----------------------------------------
    QComboBox* comboidiomas = nullptr; // the language list of the start sheet
    QMenu* popm = nullptr;             // the language menu: twelve items in language order, then the version
    QAction *Espaol1 = nullptr, *Galego1 = nullptr, *Catal1 = nullptr, *Euskara1 = nullptr,
            *Portugus1 = nullptr, *English1 = nullptr, *Franais1 = nullptr, *Italiano1 = nullptr,
            *Asturianu1 = nullptr, *Deusche1 = nullptr, *Po1 = nullptr, *Valenci1 = nullptr;
    void crearbotonesmenu();
    void cambiacomboidiomas(int n);
    void comboidiomasSelect();
    void Espaol1Click();
    void Galego1Click();
    void Catal1Click();
    void Euskara1Click();
    void Portugus1Click();
    void English1Click();
    void Franais1Click();
    void Italiano1Click();
    void Asturianu1Click();
    void Deusche1Click();
    void Po1Click();
    void Valenci1Click();
    // Re-captions the window in the language in force.
    void cambiartextos();

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void crearformulario(); // the window's controls
    void crearfollas();
    void construirtipo(int tipo); // the late build of the sheet of a page type
    void construirpropiedades();
    void rotularfeita(int i); // captions of sheet i, just built, in the language in force
    // Runs accion on the properties sheet now when it is built, else when it is built.
    void enpropiedades(std::function<void()> accion);
    void crearcomuns();
    void crearpanelrecursos();
    void abrirlista(int tipo); // the accordion: opens the list of a kind, or closes it when open
    QWidget* panellista(int tipo) const;
    ListaRecursos* lista(int tipo) const;
    void FormCreate(const QStringList& argumentos);
    void FormDestroy();
    bool FormCloseQuery();
    void reiniciarcontroles(Documento::PasoReinicio paso);
    void crearcontroispropiedades(); // the book-property controls that a read or reset reaches
    void crearimportacion();
    // Enables the commands that need a book (after New and a successful Open).
    void activartraballo();
    // Saves under the final name (".zube" rule), asking before replacing another file when
    // preguntar is set; tells the author when the write fails.
    bool gardarcomo(const QString& nome, bool preguntar);
    QString nomeinicialgardar() const; // what the Save dialog is given to start from
    void crearcontroisidioma();
    void idiomacambiado(int n); // the language in force changed

    std::unique_ptr<QTemporaryDir> cartafoltemporal; // the work folder of this process
};

} // namespace quibel
