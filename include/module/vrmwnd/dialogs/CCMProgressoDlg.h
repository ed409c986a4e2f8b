// CCMProgressoDlg, a janela de progresso do módulo, não modal: um título, uma linha de
// situação, a barra e o percentual. A operação longa a cria sobre a sua janela (que
// fica desabilitada enquanto ela existe) e a avança do mesmo thread; cada avanço
// esvazia antes a fila de mensagens, e assim as outras janelas do programa seguem
// respondendo sem um segundo thread.
#pragma once

#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/platform/progress.h"
#include "vrmwnd/util/exporta.h"

class VRMWND_API CCMProgressoDlg : public CDialog {
 public:
  enum { IDD = 12001, IDC_PROGRESSO = 13005, IDC_PERCENTUAL = 13006, IDC_SITUACAO = 13007 };

  // O título "Progresso...", ou o dado quando não é nulo.
  explicit CCMProgressoDlg(char* szTitulo);
  CCMProgressoDlg();
  ~CCMProgressoDlg() override;

  // Desabilita o dono de pPai (a janela de topo que o contém) quando ele está
  // habilitado e cria a janela; na falha, devolve o dono como estava e FALSE.
  BOOL Create(CWnd* pPai);
  INT_PTR DoModal() override;

  // Guarda e passa à barra; o percentual só muda no próximo avanço.
  void SetRange(int nInferior, int nSuperior);
  // Os avanços esvaziam a fila de mensagens, movem a barra e atualizam o percentual;
  // devolvem a posição anterior.
  int SetPos(int nPos);
  int OffsetPos(int nDelta);
  int StepIt();
  // Guarda e passa à barra; devolve o passo anterior.
  int SetStep(int nPasso);
  void SetStatus(const char* szTexto);
  // Habilita de novo o dono (só se foi esta janela que o desabilitou) e a destrói.
  BOOL DestroyWindow() override;

 protected:
  BOOL OnInitDialog() override;
  // Enter e Escape não fecham a janela: só o programa a fecha.
  void OnOK() override {}
  void OnCancel() override {}
  void DoDataExchange(CDataExchange* pDX) override;
  void PumpMessages();
  void ReEnableParent();
  // "42%" para a posição, com o que passa de 100 dando a volta (150 mostra 50%); só
  // regrava o texto quando ele muda. Com a faixa vazia mostra "0%".
  void UpdatePercent(int nPos);

  CProgressCtrl m_progresso;

 private:
  CString m_strTitulo;
  int m_nInferior = 0;
  int m_nSuperior = 100;
  int m_nPasso = 10;
  BOOL m_bPaiDesabilitado = FALSE;
  CWnd* m_pDono = nullptr;
};
