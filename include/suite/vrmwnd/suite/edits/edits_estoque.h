// Os edits de consulta dos cadastros de estoque da empresa sobre CEditCadastro:
// controles de qualidade, códigos de barras (que dão o produto), locais de estoque
// (alguns de um lote só), tipos de movimento, produtos com as três dimensões de grade,
// vários produtos num edit só, produtos que entram em estoque no recebimento e taxas
// de conversão entre unidades.
#pragma once

#include "vrmwnd/platform/CArray.h"
#include "vrmwnd/suite/edits/CEditCadastro.h"

// Controles de qualidade do recebimento, pelo código.
class VRMWND_SUITE_API CCQEditControleSimples : public CEditCadastro {
 public:
  CCQEditControleSimples();
  bool GetPosicao(unsigned short& iControle) { return GetPosicaoComo(iControle); }
  bool SetPosicao(unsigned short iControle) { return CEditCadastro::SetPosicao(iControle); }
};

// Códigos de barras (EAN) dos produtos; o static mostra o produto.
class VRMWND_SUITE_API CCodigoBarrasSimplesEdit : public CEditCadastro {
 public:
  CCodigoBarrasSimplesEdit();
  bool GetPosicao(long& lCodigo) { return GetPosicaoComo(lCodigo); }
  // O produto do código mostrado, 0 sem código.
  long GetProduto() const { return GetNumeroCorrente(); }
};

// Locais de estoque da filial do edit e os de todas. O código digitado em minúsculas
// vira maiúsculas (os códigos de local são gravados assim) antes do tratamento de
// CQZEditDF.
class VRMWND_SUITE_API CLocaisEdit : public CEditCadastro {
 public:
  CLocaisEdit();
  void SetFilial(unsigned short iFilial) { m_filtro.iFilial = iFilial; }
  bool GetPosicao(long& lLocal) { return GetPosicaoComo(lLocal); }
  // O lote a que o local mostrado está reservado; 0 sem local ou num local comum.
  bool GetLote(long& lLote) const;
  BOOL OnCONTROL_REFLECT_EX_Change() override;
};

// Tipos de movimento de estoque; de entrada ('E'), de saída ('S') ou os dois.
class VRMWND_SUITE_API CMovimentoEdit : public CEditCadastro {
 public:
  CMovimentoEdit();
  void SetEntradaSaida(char c) { m_filtro.strTipos = c ? CString(c, 1) : CString(); }
  bool GetPosicao(long& lMovimento) { return GetPosicaoComo(lMovimento); }
};

// Edit de número inteiro (as dimensões da grade de um produto): lê e escreve o texto.
class VRMWND_SUITE_API CEditNumerico : public CQZEditDF {
 public:
  // O número do texto; 0 sem janela, sem texto ou com texto que não é número.
  long GetNumero() const;
  void SetNumero(long lNumero);
};

// A posição de um produto com as três dimensões da grade (cor, tamanho, …).
struct _REG_POSICAO_PRODUTOPS {
  long lProduto = 0;
  long lGrade1 = 0;
  long lGrade2 = 0;
  long lGrade3 = 0;
  friend bool operator==(const _REG_POSICAO_PRODUTOPS&, const _REG_POSICAO_PRODUTOPS&) = default;
};

// Produtos com as três dimensões de grade em edits numéricos que a tela liga aos seus
// itens (GetEditGrade1..3).
class VRMWND_SUITE_API CProdutoEditEx : public CEditCadastro {
 public:
  CProdutoEditEx();
  // O produto e as dimensões; sem produto válido tudo 0 e false.
  bool GetPosicao(_REG_POSICAO_PRODUTOPS& posicao);
  // Mostra o produto e escreve as dimensões nos edits da grade que têm janela; produto
  // 0 ou inexistente limpa tudo e devolve false.
  bool SetPosicao(const _REG_POSICAO_PRODUTOPS& posicao);
  CEditNumerico* GetEditGrade1() { return &m_editGrade[0]; }
  CEditNumerico* GetEditGrade2() { return &m_editGrade[1]; }
  CEditNumerico* GetEditGrade3() { return &m_editGrade[2]; }

 protected:
  CEditNumerico m_editGrade[3];
};

// Vários produtos num edit, os códigos separados por ";". Cada código tem de ser um
// produto; com um só o static mostra a descrição dele, com mais, quantos são.
class VRMWND_SUITE_API CMultiProdutoEditEx : public CEditCadastro {
 public:
  CMultiProdutoEditEx();
  // Além do edit de cadastro: o texto vai até kLimiteTexto caracteres (vários códigos).
  HRESULT OnInicializa() override;
  static constexpr int kLimiteTexto = 250;
  // Os produtos do texto validado, na ordem digitada; devolve quantos (0 sem texto
  // válido).
  int GetPosicoes(CArray<long>* pProdutos);
  CString GetStaticText() override;

 protected:
  bool Existe(CString* pstrTexto) override;

 private:
  CArray<long> m_produtos;
};

// Produtos que entram em estoque no recebimento (os que têm local de estoque).
class VRMWND_SUITE_API CRecbtoProdutoEdit : public CEditCadastro {
 public:
  CRecbtoProdutoEdit();
  bool GetPosicao(long& lProduto) { return GetPosicaoComo(lProduto); }
  // O local de estoque padrão do produto mostrado, 0 sem produto.
  long GetLocalEstoque() const { return GetNumeroCorrente(); }
};

// Taxas de conversão de uma unidade de medida para outra.
class VRMWND_SUITE_API CTaxaConversaoUnMedida : public CEditCadastro {
 public:
  CTaxaConversaoUnMedida();
  bool GetPosicao(unsigned short& iTaxa) { return GetPosicaoComo(iTaxa); }
  // Mostra a taxa iTaxa, que tem de converter da unidade iUnidade (0: de qualquer
  // uma); taxa 0, inexistente ou de outra unidade limpa e devolve false.
  bool SetPosicao(unsigned short iTaxa, unsigned short iUnidade);
};
