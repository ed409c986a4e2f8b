// Apoio dos testes do terminal: telas desenhadas comparadas com os quadros esperados
// de tests/terminal/quadros (o texto da tela e, quando o teste pede, as letras de
// estilo). Um quadro diferente falha mostrando os dois e grava o desenhado em
// quadros_atuais/ da pasta de build, para a revisão; nada regrava o esperado.
#pragma once

#include <string>

#include "janelas_teste.h"
#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/terminal/CDesenhista.h"

// Compara o quadro desenhado com quadros/<strNome>.txt.
void ConfereQuadro(const std::string& strNome, const std::string& strDesenhado);

// Um diálogo não modal, sem dono, criado do modelo (que diz WS_VISIBLE) e destruído
// no fim.
class CDialogoDeTeste : public CDialog {
 public:
  explicit CDialogoDeTeste(const DLGTEMPLATEDESC& modelo) { CreateIndirect(&modelo); }
};

// A janela de topo desenhada sozinha no canto de uma grade do tamanho dela (ou do
// tamanho dado, para o que se desenha por cima além da janela).
struct TDesenho {
  std::string strTexto;
  std::string strEstilos;
  vrmwnd::terminal::TPonto cursor{-1, -1};
};
TDesenho DesenhaSozinha(HWND hJanela, vrmwnd::terminal::TTamanho grade = {});
