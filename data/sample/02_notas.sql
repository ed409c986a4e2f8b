-- Empresa de amostra: notas fiscais comerciais. Posições são sequência * 4096 + mês
-- (mês 2048 = agosto de 2018): 6144, 10240, 14336, 18432, 22528, 26624.
-- Cada item fecha: total = quantidade x unitário (V8, 8 casas: 4,10 = 410000000);
-- as parcelas somam o total da nota (itens + IPI + frete + seguro + despesas −
-- descontos; num serviço, o líquido das retenções) e o total de uma nota de origem é
-- o dessa nota.

-- 6144: compra (tipo 1) na matriz, dois produtos (um com lote), rateio por item com
-- linhas gerenciais, três parcelas, duas mensagens, frete e seguro.
INSERT INTO nota_fiscal (lPosicao, regNFe_hChaveAcesso, regNFe_byModelo, regNFe_byTipoEmissao,
  regNFe_llProtocolo, regNFe_dmaAutorizacao, regNFe_iSituacao,
  cyFrete, cySeguro, cyDespesasAcessorias, cyDesconto1, cyDesconto2, cyBaseIPI, cyValorIPI,
  cyIsentasICMS, cyOutrasICMS, cyQtdVolumes, cyPesoBruto, cyPesoLiquido, lNSU, lNumero,
  lPonteiroCliente, lPonteiroTransportadora, lEntradaRecursos, iPonteiroFilial, dmaEmissao, dmaSaida,
  iPonteiroDocumento, iPonteiroHistorico, iPonteiroCFOP, iQtdItensProduto, iQtdMensagens,
  szEspecieVolume, szNumeroVolume, szMarcaVolume, szComplementoHistorico, szPlaca1, szUF1,
  szSerie, szClasseConsumidora, byTipoNota, bySituacao, byQtdParcelas, byViaTransporte, byFretePorConta)
VALUES (6144, '35180861234567000155550010000010011000010015', 55, 1, 135180000123456, '2018-08-13', 100,
  1500000, 320000, 85000, 100000, 25000, 12000000, 600000,
  0, 150000, 29999, 2100000, 2035000, 4501, 1001,
  2001, 3001, 4001, 1, '2018-08-13', '2018-08-14',
  1, 1, 1, 2, 2,
  'CAIXA', '1', 'IPIRANGA', 'NF 1001 - pedido 778', 'ABC1D23', 'SP',
  '1', '0-3-1', 1, 0, 3, 1, 0);

INSERT INTO nf_item_produto (lPosicaoNota, nItem, cyValorImposto2, cyValorImposto3, lCodigoReceita2,
  iAliquota2, iAliquota3, cyLotePrecoTabelado, dmaLoteValidade, dmaLoteFabricacao, szLoteNumero,
  cLoteTipoReferencia, cyBasePIS, cyValorPIS, cyAliquotaPIS, iIncidenciaPIS, byModoPIS,
  cyBaseCOFINS, cyValorCOFINS, cyAliquotaCOFINS, iIncidenciaCOFINS, byModoCOFINS,
  lPosicaoProduto, cyQuantidade, llValorUnitarioV8, cyValorTotal, cyValorIPI, llPesoLiquido8,
  iAliquotaICMS, iAliquotaIPI, iQtdRateio, iQtdDetalhes, iPonteiroUnidadeMedida, iPonteiroCFOP,
  szClassificacaoFiscal, szComplemento, szCodigoTributacaoIPI, byPonteiroSitTributaria,
  byCasasValorUnitario, byIndicadorMovimentacao)
VALUES
  (6144, 0, 720000, 0, 1708, 1800, 0, 4500, '2020-08-15', '2018-08-15', 'L2018-0815', '1',
   4000000, 66000, 16500, 1, 1, 4000000, 304000, 76000, 1, 1,
   10, 10000000, 40000000, 4000000, 200000, 350000000, 1800, 500, 2, 1, 1, 1,
   '7318.15.00', 'zincado branco', '50', 0, 4, 1),
  (6144, 1, 1440000, 160000, 1708, 1800, 200, 0, NULL, NULL, '', '0',
   8000000, 132000, 16500, 1, 1, 8000000, 608000, 76000, 1, 1,
   11, 2000000, 400000000, 8000000, 400000, 20000000000, 1800, 500, 0, 2, 2, 2,
   '7208.39.00', 'bobina 1200 mm', '50', 10, 2, 1);

INSERT INTO nf_detalhe_estoque VALUES
  (6144, 0, 0, 501, '2018-08-15', '2020-08-15', 730, 'L2018-0815', 601, 'CX-01/03', 10000000, 1, 0),
  (6144, 1, 0, 0, NULL, NULL, 0, '', 0, '', 1500000, 1, 0),
  (6144, 1, 1, 0, NULL, NULL, 0, '', 602, 'PALETE 7', 500000, 2, 0);

INSERT INTO nf_rateio VALUES
  (6144, 'P', 0, 0, 2500000, 6000000, 5001, 2),
  (6144, 'P', 0, 1, 1500000, 4000000, 5002, 0);
INSERT INTO nf_rateio_gerencial VALUES
  (6144, 'P', 0, 0, 0, 1500000, 5001, 6001),
  (6144, 'P', 0, 0, 1, 1000000, 5001, 6002);

INSERT INTO nf_parcela VALUES
  (6144, 0, 4793300, '2018-09-13', 1),
  (6144, 1, 4793300, '2018-10-13', 1),
  (6144, 2, 4793400, '2018-11-13', 1);

INSERT INTO nf_mensagem VALUES
  (6144, 0, 12, 0, 'Redução de base de cálculo conforme RICMS/SP.'),
  (6144, 1, 40, 1, 'Pedido 778 - entregar no almoxarifado 2.');

-- 10240: compra de outro fornecedor na mesma matriz: o mesmo produto 11 de 6144
-- (produtos iguais em notas diferentes), uma pistola (controle de arma de fogo) com o
-- seu detalhe de estoque (a caixa marcada no detalhe não vira lote nem volume: a arma
-- leva só os dados da arma) e rateio da nota inteira com linhas gerenciais; a segunda
-- linha sem quantidade.
INSERT INTO nota_fiscal (lPosicao, cyFrete, cySeguro, cyDesconto1, lNumero, lPonteiroCliente,
  iPonteiroFilial, dmaEmissao, dmaSaida, iPonteiroDocumento, iPonteiroCFOP, iQtdItensProduto,
  iQtdRateioTotal, szSerie, byTipoNota, byQtdParcelas, byViaTransporte, byFretePorConta, lNSU)
VALUES (10240, 0, 0, 50000, 20877, 2002, 1, '2018-08-20', NULL, 1, 1, 2, 2, '3', 1, 1, 6, 1, 4502);

INSERT INTO nf_item_produto (lPosicaoNota, nItem, lPosicaoProduto, cyQuantidade, llValorUnitarioV8,
  cyValorTotal, iPonteiroUnidadeMedida, iPonteiroCFOP, szComplemento, byArmaFogoTipo,
  szArmaFogoSerie, szArmaFogoCano, szArmaFogoDescricao, iAliquotaICMS, byPonteiroSitTributaria,
  byCasasValorUnitario, iQtdDetalhes)
VALUES
  (10240, 0, 11, 500000, 410000000, 2050000, 2, 2, 'bobina 1200 mm', 0, '', '', '', 1200, 101, 2, 0),
  (10240, 1, 12, 10000, 45000000000, 4500000, 1, 1, '', 1, 'KGB-338812', 'CN-99812',
   'Pistola .380 com dois carregadores', 1800, 0, 2, 1);

INSERT INTO nf_detalhe_estoque VALUES
  (10240, 1, 0, 0, NULL, NULL, 0, 'CX-PST-01', 0, 'CAIXA LACRADA', 10000, 2, 0);

INSERT INTO nf_rateio VALUES
  (10240, 'N', 0, 0, 4000000, 30000, 5001, 1),
  (10240, 'N', 0, 1, 2550000, 0, 5002, 2);
INSERT INTO nf_rateio_gerencial VALUES
  (10240, 'N', 0, 0, 0, 4000000, 5001, 6001),
  (10240, 'N', 0, 1, 0, 1275000, 5002, 6001),
  (10240, 'N', 0, 1, 1, 1275000, 5002, 6002);

INSERT INTO nf_parcela VALUES (10240, 0, 6500000, '2018-09-20', 2);

-- 14336: importação na filial de Curitiba com os dados da declaração de importação.
INSERT INTO nota_fiscal (lPosicao, lNumero, lPonteiroCliente, iPonteiroFilial, dmaEmissao,
  iPonteiroDocumento, iPonteiroCFOP, iQtdItensProduto, szSerie, byTipoNota, byViaTransporte,
  cyDespesasAcessorias, cyFunrural, cyDeducaoICMSSuframa)
VALUES (14336, 55, 2003, 2, '2018-08-22', 1, 3, 1, '1', 1, 9, 120000, 0, 0);

INSERT INTO nf_item_produto (lPosicaoNota, nItem, lPosicaoProduto, cyQuantidade, llValorUnitarioV8,
  cyValorTotal, iPonteiroUnidadeMedida, iPonteiroCFOP, cyDIBase, cyDIDespesasAduaneiras, cyDIIOF,
  cyDIImpostoImportacao, dmaDIRegistro, dmaDIDesembaraco, szDINumero, szDICodigoExportador,
  szDIDesembaracoLocal, szDIDesembaracoUF, szDINumeroDrawback, byDISimplificada,
  cyDIAdicaoDesconto, iDIAdicaoNumero, szDIAdicaoCodigoFabricante, iQtdDetalhes,
  cyValorPIS, cyValorCOFINS, iIncidenciaPIS, iIncidenciaCOFINS)
VALUES (14336, 0, 13, 2000000, 1250000000, 25000000, 1, 3, 26500000, 850000, 0, 4000000,
  '2018-08-10', '2018-08-18', '1812345678', 'HANSE-01', 'Porto de Paranaguá', 'PR', '', 0,
  0, 1, 'SKF-DE', 1, 412500, 1900000, 1, 1);

INSERT INTO nf_detalhe_estoque VALUES
  (14336, 0, 0, 502, NULL, NULL, 0, '', 0, '', 2000000, 3, 0);

-- 18432: serviço de consultoria com as seis retenções, deduções e rateio por item.
INSERT INTO nota_fiscal (lPosicao, lNumero, lPonteiroCliente, iPonteiroFilial, dmaEmissao,
  iPonteiroDocumento, iPonteiroHistorico, iPonteiroSitServico, iQtdItensServico, szSerie,
  byTipoNota, byQtdParcelas)
VALUES (18432, 3310, 2004, 1, '2018-08-25', 2, 3, 5, 1, 'A1', 1, 1);

INSERT INTO nf_item_servico (lPosicaoNota, nItem, cyQuantidade, llValorUnitarioV8, cyValorTotal,
  cyValorLiquido, cyValorRetencao1, cyBaseRetencao1, cyValorRetencao2, cyValorRetencao3,
  cyValorRetencao4, cyValorRetencao5, cyBaseRetencao2e5, cyValorRetencao6, cyBaseRetencao6,
  iAliquotaRetencao1, iAliquotaRetencao2, iAliquotaRetencao3, iAliquotaRetencao4,
  iAliquotaRetencao5, iAliquotaRetencao6, iRetemFederais, lPonteiroServico, iUnidadeMedida,
  iPonteiroSitServico, szComplemento, byCasasValorUnitario, iQtdRateio, byQtdDeducoes1,
  byQtdDeducoes5, byQtdDeducoes6)
VALUES (18432, 0, 400000, 25000000000, 100000000, 77850000, 1500000, 100000000, 650000, 3000000,
  1000000, 11000000, 100000000, 5000000, 100000000, 150, 65, 300, 100, 1100, 500, 1, 0, 5, 5,
  'Consultoria tributária - agosto', 2, 1, 1, 1, 2);

INSERT INTO nf_deducao VALUES
  (18432, 0, 1, 0, 100000, 'Dependente', 0),
  (18432, 0, 5, 0, 250000, 'Material aplicado', 0),
  (18432, 0, 6, 0, 300000, 'Subempreitada', 0),
  (18432, 0, 6, 1, 50000, 'Estorno de dedução', 1);

INSERT INTO nf_rateio VALUES (18432, 'S', 0, 0, 100000000, 400000, 5003, 2);
INSERT INTO nf_rateio_gerencial VALUES
  (18432, 'S', 0, 0, 0, 60000000, 5003, 6001),
  (18432, 'S', 0, 0, 1, 40000000, 5003, 6002);

INSERT INTO nf_parcela VALUES (18432, 0, 77850000, '2018-09-10', 1);

-- 22528: devolução (tipo 15) da nota 1001: o bloco de origem da nota e o de cada item
-- citam a nota de posição 6144; o segundo item cita também a 10240.
INSERT INTO nota_fiscal (lPosicao, regNFOrigem_regNFe_hChaveAcesso, regNFOrigem_cyTotal,
  regNFOrigem_lChaveNFCM, regNFOrigem_dmaEmissao, regNFOrigem_szNumero, regNFOrigem_szSerie,
  regNFOrigem_szModelo, regNFOrigem_byTipoOrigem, lNumero, lPonteiroCliente, iPonteiroFilial,
  dmaEmissao, iPonteiroDocumento, iPonteiroHistorico, iPonteiroCFOP, iQtdItensProduto, szSerie,
  byTipoNota, bySituacao)
VALUES (22528, '35180861234567000155550010000010011000010015', 14380000, 6144, '2018-08-13',
  '1001', '1', '55', 5, 1002, 2001, 1, '2018-08-28', 1, 2, 4, 2, '1', 15, 1);

INSERT INTO nf_item_produto (lPosicaoNota, nItem, regNFOrigem_cyTotal, regNFOrigem_lChaveNFCM,
  regNFOrigem_dmaEmissao, regNFOrigem_szNumero, regNFOrigem_szSerie, regNFOrigem_szModelo,
  regNFOrigem_byTipoOrigem, lPosicaoProduto, cyQuantidade, llValorUnitarioV8, cyValorTotal,
  iPonteiroUnidadeMedida, iPonteiroCFOP, iQtdDetalhes, byIgnorar)
VALUES
  (22528, 0, 14380000, 6144, '2018-08-13', '1001', '1', '55', 5, 10, 1000000, 40000000, 400000, 1, 4, 1, 0),
  (22528, 1, 6500000, 10240, '2018-08-20', '20877', '3', '55', 5, 11, 100000, 410000000, 410000, 2, 4, 0, 1);

INSERT INTO nf_detalhe_estoque VALUES
  (22528, 0, 0, 501, NULL, NULL, 0, '', 0, '', 1000000, 1, 0);

-- 26624: retorno (tipo 16) de mercadoria de terceiros: origem de tipo 18 sem número
-- (não acrescenta nota referida), produto de ICMS dispensado.
INSERT INTO nota_fiscal (lPosicao, regNFOrigem_byTipoOrigem, lNumero, lPonteiroCliente,
  iPonteiroFilial, dmaEmissao, iPonteiroDocumento, iPonteiroCFOP, iQtdItensProduto, szSerie,
  byTipoNota, byViaTransporte)
VALUES (26624, 18, 88, 2002, 3, NULL, 3, 6, 1, '2', 16, 7);

INSERT INTO nf_item_produto (lPosicaoNota, nItem, regNFOrigem_byTipoOrigem, lPosicaoProduto,
  cyQuantidade, llValorUnitarioV8, cyValorTotal, cyICMSDispensado, iPonteiroUnidadeMedida,
  iPonteiroCFOP)
VALUES (26624, 0, 18, 14, 120000, 1800000000, 2160000, 388800, 4, 6);
