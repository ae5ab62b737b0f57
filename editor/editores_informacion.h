// The editors of the information pages: image and text (2), image gallery (12), menu (15),
// external activity (16), sound gallery (21), text (29), template (38) and scheme (42).
#pragma once

#include "editor/editores.h"

#include <memory>

namespace quibel {

std::unique_ptr<PageEditor> editorimaxetext();
std::unique_ptr<PageEditor> editorgaleriaimax();
std::unique_ptr<PageEditor> editormenu();
std::unique_ptr<PageEditor> editorexterna();
std::unique_ptr<PageEditor> editorgaleriasons();
std::unique_ptr<PageEditor> editortextos();
std::unique_ptr<PageEditor> editorplantilla();
std::unique_ptr<PageEditor> editoresquema();

// The menu page's editor shows the rich text of one button at a time: the button selected
// (botonmenu, 1..6), whose text the view holds and store writes back.
class EditorMenuBotons {
public:
    virtual ~EditorMenuBotons() = default;
    virtual int botonmenu() const = 0;
    virtual void porbotonmenu(int boton) = 0;
};

} // namespace quibel
