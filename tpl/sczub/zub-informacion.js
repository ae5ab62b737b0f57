// Quibel's HTML5 player: the information pages (picture and text, galleries, menu, external activity, text, template, scheme).
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
