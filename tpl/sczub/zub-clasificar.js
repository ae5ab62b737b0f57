// Quibel's HTML5 player: classifying, linking and ordering texts (classify, links, drag texts, order, pyramid, relate).
// Each module registers with ZUBP.rexistrar(type, {cando, actividade, construir}); see zub.js.
(function(ZUBP) {
"use strict";
if (!ZUBP) return;
})(typeof window !== "undefined" ? window.ZUBP : this.ZUBP);
